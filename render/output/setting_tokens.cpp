#include "render/output/setting_tokens.h"

#include "app/project/dialog_states.h"
#include "app/project/form1_state.h"

#include <initializer_list>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

template<typename Choice, typename TokenOf>
std::optional<Choice> choiceOf(const QString &token, std::initializer_list<Choice> choices, TokenOf tokenOf)
{
    for (Choice choice : choices) {
        if (tokenOf(choice) == token)
            return choice;
    }
    return std::nullopt;
}

} // namespace

QString tvStandardToken(TvStandard standard)
{
    return standard == TvStandard::Pal ? u"PAL"_s : u"NTSC"_s;
}

QString pictureQualityToken(PictureQuality quality)
{
    return quality == PictureQuality::Normal ? u"yiban_huazhi"_s : u"gaoqing_huazhi"_s;
}

void setTvStandard(Form1State &form1, TvStandard standard)
{
    form1.Edit_VCDSVCDDVD_zhishi.setText(tvStandardToken(standard));
}

std::optional<TvStandard> tvStandard(const Form1State &form1)
{
    return choiceOf(form1.Edit_VCDSVCDDVD_zhishi.text(), {TvStandard::Pal, TvStandard::Ntsc}, tvStandardToken);
}

void setPictureQuality(Form1State &form1, PictureQuality quality)
{
    form1.Edit_huanmian_zhiliang.setText(pictureQualityToken(quality));
}

std::optional<PictureQuality> pictureQuality(const Form1State &form1)
{
    return choiceOf(form1.Edit_huanmian_zhiliang.text(), {PictureQuality::Normal, PictureQuality::High},
                    pictureQualityToken);
}

void setLandscapeCrop(Form17State &state, LandscapeCrop crop)
{
    state.suiRadioButton_hengzhaopian_quanping = crop == LandscapeCrop::FullScreen;
    state.suiRadioButton_hengzhaopian_moren = crop == LandscapeCrop::TemplateDefault;
}

LandscapeCrop landscapeCrop(const Form17State &state)
{
    return state.suiRadioButton_hengzhaopian_moren ? LandscapeCrop::TemplateDefault : LandscapeCrop::FullScreen;
}

void setPortraitCrop(Form17State &state, PortraitCrop crop)
{
    state.suiRadioButton_shuzhaopian_jubufangda = crop == PortraitCrop::Enlarge;
    state.suiRadioButton_shuzhaopian_moren = crop == PortraitCrop::TemplateDefault;
}

PortraitCrop portraitCrop(const Form17State &state)
{
    return state.suiRadioButton_shuzhaopian_moren ? PortraitCrop::TemplateDefault : PortraitCrop::Enlarge;
}

QString lyricTypeToken(LyricType type)
{
    switch (type) {
    case LyricType::Lrc:
        return u"shiyong_lrc"_s;
    case LyricType::Karaoke:
        return u"shiyong_ksc"_s;
    case LyricType::Both:
        return u"shiyong_lrcksc"_s;
    }
    return {};
}

void setLyricType(Form49State &state, LyricType type)
{
    state.Edit1_shiyong_lrc_or_ksc.setText(lyricTypeToken(type));
}

std::optional<LyricType> lyricType(const Form49State &state)
{
    return choiceOf(state.Edit1_shiyong_lrc_or_ksc.text(), {LyricType::Lrc, LyricType::Karaoke, LyricType::Both},
                    lyricTypeToken);
}

} // namespace velumo
