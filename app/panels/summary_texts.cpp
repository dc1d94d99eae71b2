#include "app/panels/summary_texts.h"

#include "app/project/form1_state.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QString pick(const QString &token, const QString &first, const QString &firstText, const QString &second,
             const QString &secondText)
{
    if (token == first)
        return firstText;
    if (token == second)
        return secondText;
    return QString();
}

} // namespace

SummaryTexts summaryTexts(const Form1State &form1)
{
    SummaryTexts texts;
    texts.photoCount = QString::number(form1.ListView_daoruxiangpian.rowCount());
    texts.musicCount = QString::number(form1.ListView_daoru_yinyue.rowCount());
    texts.lyricCount = QString::number(form1.ListView_daoru_LRC.rowCount());
    texts.quality = pick(form1.Edit_huanmian_zhiliang.text(), u"yiban_huazhi"_s, u"一般画质"_s,
                         u"gaoqing_huazhi"_s, u"高清画质"_s);
    texts.tvStandard = pick(form1.Edit_VCDSVCDDVD_zhishi.text(), u"PAL"_s, u"PAL制式"_s, u"NTSC"_s, u"NTSC制式"_s);
    texts.albumLength = pick(form1.Edit_tongbu_shezhi.text(), u"sui_zhaopian_tongbu"_s, u"相片为准"_s,
                             u"sui_yinyue_tongbu"_s, u"音乐为准"_s);
    texts.textEffects = QString::number(form1.ListView_Label.rowCount());
    texts.pictureEffects = QString::number(form1.ListView_Image.rowCount());
    return texts;
}

int nextTickerTop(int top, int textHeight)
{
    --top;
    return top + textHeight < 0 ? kTickerRestartTop : top;
}

} // namespace velumo
