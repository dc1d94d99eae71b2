// Lyric import and deletion: default styles, the list texts, refusals, position pairing and
// the cards following their rows.
#include "media/lyric_import.h"

#include "app/project/form1_state.h"
#include "app/workspace/program_folder.h"
#include "media/lyric_delete.h"
#include "media/lrc_tables.h"
#include "media/media_columns.h"
#include "media/name_card.h"
#include "tests/support/temp_tree.h"

#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

class LyricImportTest : public ::testing::Test
{
protected:
    QString lyric(const QString &name, const QByteArray &content = "[00:01.00]la\n")
    {
        tree.writeFile(u"lyrics/"_s + name, content);
        return tree.abs(u"lyrics/"_s + name);
    }

    void addSong(const QString &name)
    {
        StringTable &music = form1.ListView_daoru_yinyue;
        music.appendRow({QString::number(music.rowCount() + 1), name, u".mp3"_s, u"/m.mp3"_s, u"00:00:10"_s,
                         u"250"_s, u"wu"_s, u"wu"_s});
        form1.suiListView_yinyue_liebiao.appendRow(
            {music.caption(music.rowCount() - 1), name, u".mp3"_s, u"00:00:10"_s, u"/m.mp3"_s, u"未绑定歌词"_s});
    }

    bool cardShows(int n, const QString &name) const
    {
        const QImage onDisk(nameCardPath(program, NameCardKind::Lyric, n, u".bmp"_s));
        return !onDisk.isNull()
               && onDisk.convertToFormat(QImage::Format_RGB32) == drawNameCard(NameCardKind::Lyric, name);
    }

    const StringTable &lyrics() const { return form1.ListView_daoru_LRC; }

    TempTree tree;
    ProgramFolder program{tree.path()};
    Form1State form1;
};

} // namespace

TEST_F(LyricImportTest, ARowCarriesTheDefaultStylesAndTheListShowsThem)
{
    const QString path = lyric(u"月亮代表我的心.lrc"_s);
    tree.writeFile(u"smxcwjj/tp_0/tp_slt_1_0.png"_s);

    const ImportOutcome outcome = importLyrics(form1, program, {path});
    deleteLyricImportLeftovers(program);

    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(lyrics().row(0), (QStringList{u"1"_s, u"月亮代表我的心"_s, u".lrc"_s, path, u"wu"_s, u"wu"_s,
                                            u"clWhite"_s, u"16777215"_s, u"10"_s, u"黑体"_s, u"cuti"_s, u"wu"_s,
                                            u"wu"_s, u"juzhong"_s, u"xiamian"_s}));
    EXPECT_EQ(form1.suiListView_geci_liebiao.row(0),
              (QStringList{u"1"_s, u"月亮代表我的心"_s, u".lrc"_s, path, u"未绑定音乐"_s, u"clWhite"_s, u"10"_s,
                           u"黑体"_s, u"[粗体]"_s, u"歌词居中"_s, u"歌词在下面"_s}));
    EXPECT_TRUE(cardShows(1, u"月亮代表我的心"_s));
    EXPECT_FALSE(tree.exists(u"smxcwjj/tp_0/tp_slt_1_0.png"_s));
}

TEST_F(LyricImportTest, BinaryAndOversizedFilesAreSkippedByName)
{
    const QStringList files{lyric(u"好.lrc"_s), lyric(u"图.lrc"_s, QByteArray("\x89PNG\r\n\x1a\n\0\0", 10)),
                            lyric(u"大.lrc"_s, QByteArray(300 * 1024, 'a')), lyric(u"也好.lrc"_s)};
    const ImportOutcome outcome = importLyrics(form1, program, files);

    EXPECT_EQ(outcome.added, 2);
    const QString summary = refusalSummary(outcome.refusals);
    EXPECT_TRUE(summary.contains(u"图.lrc"_s));
    EXPECT_TRUE(summary.contains(u"大.lrc"_s));
    ASSERT_EQ(lyrics().rowCount(), 2);
    EXPECT_EQ(lyrics().cell(1, lyric_col::Name), u"也好"_s);
    EXPECT_TRUE(cardShows(2, u"也好"_s));
}

TEST_F(LyricImportTest, ThreeLyricsAndTwoFreeSongsBindTheFirstTwo)
{
    addSong(u"甲"_s);
    addSong(u"乙"_s);
    importLyrics(form1, program, {lyric(u"一.lrc"_s), lyric(u"二.lrc"_s), lyric(u"三.lrc"_s)});

    EXPECT_EQ(lyrics().cell(0, lyric_col::SongName), u"甲"_s);
    EXPECT_EQ(lyrics().cell(1, lyric_col::SongKey), form1.ListView_daoru_yinyue.cell(1, music_col::LyricKey));
    EXPECT_EQ(form1.suiListView_geci_liebiao.cell(2, 4), u"未绑定音乐"_s);
    EXPECT_EQ(form1.suiListView_yinyue_liebiao.cell(0, 5), u"一"_s);
    EXPECT_EQ(form1.suiListView_yinyue_liebiao.cell(1, 5), u"二"_s);
}

TEST_F(LyricImportTest, DeletingALyricFreesItsSongsAndMovesTheCards)
{
    addSong(u"甲"_s);
    addSong(u"乙"_s);
    importLyrics(form1, program, {lyric(u"一.lrc"_s), lyric(u"二.lrc"_s), lyric(u"三.lrc"_s)});
    form1.Edit_xianshikuang_pailie_geci.setText(u"3"_s);

    deleteLyric(form1, program, 0);

    ASSERT_EQ(lyrics().rowCount(), 2);
    EXPECT_EQ(lyrics().caption(1), u"2"_s);
    EXPECT_TRUE(cardShows(1, u"二"_s));
    EXPECT_TRUE(cardShows(2, u"三"_s));
    EXPECT_FALSE(QFileInfo::exists(nameCardPath(program, NameCardKind::Lyric, 3, u".bmp"_s)));
    EXPECT_EQ(form1.ListView_daoru_yinyue.cell(0, music_col::LyricKey), u"wu"_s);
    EXPECT_EQ(form1.suiListView_yinyue_liebiao.cell(0, 5), u"未绑定歌词"_s);
    EXPECT_EQ(form1.ListView_daoru_yinyue.cell(1, music_col::LyricName), u"二"_s);
    EXPECT_EQ(form1.Edit_xianshikuang_pailie_geci.text(), u"2"_s);
}

TEST_F(LyricImportTest, DeletingAllLyricsClearsTheLastParseAndTheCards)
{
    addSong(u"甲"_s);
    importLyrics(form1, program, {lyric(u"一.lrc"_s), lyric(u"二.lrc"_s)});
    parseLrcFile(form1, lyrics().cell(0, lyric_col::Path));
    ASSERT_EQ(form1.ListView_LRC_3.rowCount(), 2);

    deleteAllLyrics(form1, program);

    EXPECT_EQ(lyrics().rowCount(), 0);
    EXPECT_EQ(form1.ListView_LRC_3.rowCount(), 0);
    EXPECT_TRUE(tree.isEmptyFolder(u"smxcwjj/tp_wj/tp_slt_3"_s));
    EXPECT_EQ(form1.ListView_daoru_yinyue.cell(0, music_col::LyricName), u"wu"_s);
    EXPECT_EQ(form1.suiListView_yinyue_liebiao.cell(0, 5), u"未绑定歌词"_s);
}
