#include "app/panels/item_hint_text.h"
#include "app/panels/preview_fit.h"
#include "app/panels/summary_texts.h"
#include "app/project/form1_state.h"
#include "tests/panels/media_rows.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

TEST(ItemHint, PhotoHintNamesTheRowsPhoto)
{
    Form1State form1;
    test::addPhoto(form1, u"海边"_s, 1);
    test::addPhoto(form1, u"山顶"_s, 2, false);
    EXPECT_EQ(itemHintLines(form1, MediaKind::Photos, 1),
              (QStringList{u"相片名称：山顶"_s, u"相片类型：.JPG"_s, u"相片尺寸：900*1600"_s, u"横照竖照：竖照相片"_s,
                           u"相片序号：2"_s, u"提示：按住鼠标左键可以调整相片位置顺序"_s}));
}

TEST(ItemHint, MusicAndLyricHintsTellTheBinding)
{
    Form1State form1;
    test::addSong(form1, u"晨曲"_s);
    test::addSong(form1, u"晚风"_s, u"k1"_s, u"晚风词"_s);
    test::addLyric(form1, u"晚风词"_s, u"k1"_s, u"晚风"_s);
    test::addLyric(form1, u"无名"_s);
    EXPECT_EQ(itemHintLines(form1, MediaKind::Music, 0),
              (QStringList{u"音乐名称：晨曲"_s, u"音乐类型：.MP3"_s, u"音乐时长：00:3:25"_s, u"绑定状态：未绑定歌词"_s,
                           u"绑定歌词：无"_s, u"音乐序号：1"_s, u"提示：按住鼠标左键可以调整音乐位置顺序"_s}));
    EXPECT_EQ(itemHintLines(form1, MediaKind::Music, 1).mid(3, 2),
              (QStringList{u"绑定状态：已绑定歌词"_s, u"绑定歌词：晚风词"_s}));
    EXPECT_EQ(itemHintLines(form1, MediaKind::Lyrics, 0),
              (QStringList{u"歌词名称：晚风词"_s, u"歌词类型：.LRC"_s, u"绑定状态：已绑定音乐"_s, u"绑定音乐：晚风"_s,
                           u"歌词序号：1"_s, u"提示：按住鼠标左键可以调整歌词位置顺序"_s}));
    EXPECT_EQ(itemHintLines(form1, MediaKind::Lyrics, 1).mid(2, 2),
              (QStringList{u"绑定状态：未绑定音乐"_s, u"绑定音乐：无"_s}));
}

TEST(Summary, ShowsCountsAndTheSettingsInWords)
{
    Form1State form1;
    SummaryTexts expected{u"0"_s, u"0"_s, u"0"_s, u"高清画质"_s, u"PAL制式"_s, u"相片为准"_s, u"0"_s, u"0"_s};
    EXPECT_EQ(summaryTexts(form1), expected);

    test::addPhoto(form1, u"a"_s, 1);
    test::addPhoto(form1, u"b"_s, 2);
    test::addSong(form1, u"s"_s);
    form1.Edit_huanmian_zhiliang.setText(u"yiban_huazhi"_s);
    form1.Edit_VCDSVCDDVD_zhishi.setText(u"NTSC"_s);
    form1.Edit_tongbu_shezhi.setText(u"sui_yinyue_tongbu"_s);
    expected = {u"2"_s, u"1"_s, u"0"_s, u"一般画质"_s, u"NTSC制式"_s, u"音乐为准"_s, u"0"_s, u"0"_s};
    EXPECT_EQ(summaryTexts(form1), expected);
}

TEST(Summary, TheHelpTickerRestartsBelowOnceItHasPassedAbove)
{
    EXPECT_EQ(nextTickerTop(10, 200), 9);
    EXPECT_EQ(nextTickerTop(-199, 200), -200);
    EXPECT_EQ(nextTickerTop(-200, 200), kTickerRestartTop);
}

TEST(PreviewFit, LandscapeTakesTheWidthPortraitTheHeightAndEachFallsBackWhenTooBig)
{
    const QSize box(164, 150);
    const struct
    {
        QSize picture;
        bool landscape;
        QSize shown;
    } cases[] = {
        {{1600, 1200}, true, {164, 123}},
        {{300, 290}, true, {155, 150}},   // by width it would be 158 high
        {{900, 1600}, false, {84, 150}},
        {{300, 250}, false, {164, 136}},  // a wide picture marked portrait: by height it would be 180 wide
        {{130, 115}, true, {164, 145}},
        {{0, 100}, true, {}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(fitPreview(c.picture, c.landscape, box), c.shown) << c.picture.width() << "x" << c.picture.height();
}

} // namespace
} // namespace velumo
