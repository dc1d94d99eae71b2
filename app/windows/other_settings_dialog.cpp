#include "app/windows/other_settings_dialog.h"

#include "app/project/project_model.h"
#include "render/output/setting_tokens.h"
#include "ui/settings_controls.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

struct OptionPair
{
    QRadioButton *first;
    QRadioButton *second;
};

// A titled group of two exclusive options, side by side or one above the other.
QGroupBox *pairGroup(const QString &title, const OptionPair &pair, Qt::Orientation orientation, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    auto *exclusive = new QButtonGroup(group);
    QBoxLayout *layout = orientation == Qt::Horizontal ? static_cast<QBoxLayout *>(new QHBoxLayout(group))
                                                       : static_cast<QBoxLayout *>(new QVBoxLayout(group));
    layout->setSpacing(orientation == Qt::Horizontal ? 24 : 8);
    for (QRadioButton *option : {pair.first, pair.second}) {
        option->setParent(group);
        exclusive->addButton(option);
        layout->addWidget(option);
    }
    layout->addStretch(1);
    return group;
}

QRadioButton *radio(const QString &objectName, const QString &text)
{
    auto *option = new QRadioButton(text);
    option->setObjectName(objectName);
    option->setCursor(Qt::PointingHandCursor);
    return option;
}

} // namespace

OtherSettingsDialog::OtherSettingsDialog(ProjectModel &model, const ui::SkinPictures &skin, QWidget *parent)
    : SkinnedDialog(u"Form17"_s, u"其它设置"_s, skin, parent)
    , m_model(model)
{
    setClientSize(560, 330);
    ui::applySettingsLook(body());

    m_pal = radio(u"suiRadioButton_PAL"_s, u"PAL制式"_s);
    m_ntsc = radio(u"suiRadioButton_NTSC"_s, u"NTSC制式"_s);
    m_normal = radio(u"suiRadioButton_yiban_huazhi"_s, u"一般画质"_s);
    m_high = radio(u"suiRadioButton_gaoqing_huazhi"_s, u"高清画质"_s);
    m_landscapeFull = radio(u"suiRadioButton_hengzhaopian_quanping"_s, u"横照片剪裁成全屏效果"_s);
    m_landscapeDefault = radio(u"suiRadioButton_hengzhaopian_moren"_s, u"横照片剪裁成模板特效默认效果"_s);
    m_portraitEnlarge = radio(u"suiRadioButton_shuzhaopian_jubufangda"_s, u"竖照片剪裁成局部放大效果"_s);
    m_portraitDefault = radio(u"suiRadioButton_shuzhaopian_moren"_s, u"竖照片使用模板特效默认效果"_s);

    auto *grid = new QGridLayout(body());
    grid->setContentsMargins(24, 16, 24, 20);
    grid->setHorizontalSpacing(16);
    grid->setVerticalSpacing(12);
    grid->addWidget(pairGroup(u"电视制式"_s, {m_pal, m_ntsc}, Qt::Horizontal, body()), 0, 0);
    grid->addWidget(pairGroup(u"画面质量"_s, {m_normal, m_high}, Qt::Horizontal, body()), 0, 1);
    grid->addWidget(pairGroup(u"导入照片时，对横照片的剪裁效果   (支持单张照片模板效果)"_s,
                              {m_landscapeFull, m_landscapeDefault}, Qt::Vertical, body()),
                    1, 0, 1, 2);
    grid->addWidget(pairGroup(u"导入照片时，对竖照片的剪裁效果   (支持单张照片模板效果)"_s,
                              {m_portraitEnlarge, m_portraitDefault}, Qt::Vertical, body()),
                    2, 0, 1, 2);
    grid->setRowStretch(3, 1);

    // Clicks, not toggles: only the user's choice writes, never the window showing the state.
    Form1State &form1 = m_model.form1;
    Form17State &crop = m_model.form17;
    connect(m_pal, &QRadioButton::clicked, this, [&form1] { setTvStandard(form1, TvStandard::Pal); });
    connect(m_ntsc, &QRadioButton::clicked, this, [&form1] { setTvStandard(form1, TvStandard::Ntsc); });
    connect(m_normal, &QRadioButton::clicked, this, [&form1] { setPictureQuality(form1, PictureQuality::Normal); });
    connect(m_high, &QRadioButton::clicked, this, [&form1] { setPictureQuality(form1, PictureQuality::High); });
    connect(m_landscapeFull, &QRadioButton::clicked, this, [&crop] { setLandscapeCrop(crop, LandscapeCrop::FullScreen); });
    connect(m_landscapeDefault, &QRadioButton::clicked, this,
            [&crop] { setLandscapeCrop(crop, LandscapeCrop::TemplateDefault); });
    connect(m_portraitEnlarge, &QRadioButton::clicked, this, [&crop] { setPortraitCrop(crop, PortraitCrop::Enlarge); });
    connect(m_portraitDefault, &QRadioButton::clicked, this,
            [&crop] { setPortraitCrop(crop, PortraitCrop::TemplateDefault); });
}

void OtherSettingsDialog::showEvent(QShowEvent *event)
{
    const std::optional<TvStandard> standard = tvStandard(m_model.form1);
    const std::optional<PictureQuality> quality = pictureQuality(m_model.form1);
    m_pal->setChecked(standard == TvStandard::Pal);
    m_ntsc->setChecked(standard == TvStandard::Ntsc);
    m_normal->setChecked(quality == PictureQuality::Normal);
    m_high->setChecked(quality == PictureQuality::High);
    m_landscapeFull->setChecked(landscapeCrop(m_model.form17) == LandscapeCrop::FullScreen);
    m_landscapeDefault->setChecked(landscapeCrop(m_model.form17) == LandscapeCrop::TemplateDefault);
    m_portraitEnlarge->setChecked(portraitCrop(m_model.form17) == PortraitCrop::Enlarge);
    m_portraitDefault->setChecked(portraitCrop(m_model.form17) == PortraitCrop::TemplateDefault);
    SkinnedDialog::showEvent(event);
}

} // namespace velumo
