// Music import and deletion on real MP3 files: rows, length texts, position pairing, name
// cards on disk, and files that are no playable MP3 skipped with a message.
#include "media/music_import.h"

#include "app/project/dialog_states.h"
#include "app/project/form1_state.h"
#include "app/workspace/program_folder.h"
#include "media/lyric_import.h"
#include "media/media_columns.h"
#include "media/music_delete.h"
#include "media/name_card.h"
#include "media/song_binding.h"
#include "media/song_length.h"
#include "players/audio/ffmpeg_media_player.h"
#include "tests/songs/song_fixtures.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QFileInfo>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

TEST(SongLengthText, WholeSecondsWithMinutesThatDoNotWrap)
{
    const struct
    {
        qint64 ms;
        QString time;
        qint64 frames;
    } cases[] = {
        {59999, u"00:00:59"_s, 1475},
        {3725000, u"00:62:05"_s, 93125},
        {245000, u"00:04:05"_s, 6125},
        {999, u"00:00:00"_s, 0},
        {600000, u"00:10:00"_s, 15000},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(songTimeText(c.ms), c.time) << c.ms;
        EXPECT_EQ(songFramesNeeded(c.ms), c.frames) << c.ms;
    }
}

namespace {

class MusicImportTest : public ::testing::Test
{
protected:
    QString song(const QString &name, double seconds = 1.0)
    {
        const QString path = tree.abs(u"songs/"_s + name);
        EXPECT_TRUE(test::writeToneMp3(path, seconds));
        return path;
    }

    QString lyric(const QString &name)
    {
        tree.writeFile(u"lyrics/"_s + name, "[00:01.00]la\n");
        return tree.abs(u"lyrics/"_s + name);
    }

    QString card(int n) const { return nameCardPath(program, NameCardKind::Song, n, u".bmp"_s); }

    // The card on disk is the one drawn for `name`.
    bool cardShows(int n, const QString &name) const
    {
        const QImage onDisk(card(n));
        return !onDisk.isNull()
               && onDisk.convertToFormat(QImage::Format_RGB32) == drawNameCard(NameCardKind::Song, name);
    }

    const StringTable &music() const { return form1.ListView_daoru_yinyue; }

    TempTree tree;
    ProgramFolder program{tree.path()};
    Form1State form1;
    Form2State form2;
    FfmpegMediaPlayer player;
};

} // namespace

TEST_F(MusicImportTest, ARowHoldsNameTypePathTimeAndFrames)
{
    const QString path = song(u"甜蜜蜜.mp3"_s, 2.5);
    const ImportOutcome outcome = importSongs(form1, program, player, {path});

    EXPECT_EQ(outcome.added, 1);
    EXPECT_TRUE(outcome.refusals.isEmpty());
    ASSERT_EQ(music().rowCount(), 1);
    EXPECT_EQ(music().row(0), (QStringList{u"1"_s, u"甜蜜蜜"_s, u".mp3"_s, path, u"00:00:02"_s, u"50"_s, u"wu"_s,
                                           u"wu"_s}));
    EXPECT_EQ(form1.suiListView_yinyue_liebiao.row(0),
              (QStringList{u"1"_s, u"甜蜜蜜"_s, u".mp3"_s, u"00:00:02"_s, path, u"未绑定歌词"_s}));
    EXPECT_TRUE(cardShows(1, u"甜蜜蜜"_s));
    EXPECT_EQ(player.fileName(), path);
}

TEST_F(MusicImportTest, BadFilesAreSkippedByNameAndTheOthersImport)
{
    tree.writeFile(u"songs/空.mp3"_s, QByteArray());
    tree.writeFile(u"songs/假.mp3"_s, "not a song at all");
    ASSERT_TRUE(test::writeToneWav(tree.abs(u"songs/波形.mp3"_s), 1.0));
    const QStringList files{song(u"a.mp3"_s), tree.abs(u"songs/空.mp3"_s), tree.abs(u"songs/假.mp3"_s),
                            tree.abs(u"songs/波形.mp3"_s), song(u"b.mp3"_s)};

    const ImportOutcome outcome = importSongs(form1, program, player, files);

    EXPECT_EQ(outcome.added, 2);
    ASSERT_EQ(outcome.refusals.size(), 3);
    const QString summary = refusalSummary(outcome.refusals);
    for (const QString &name : {u"空.mp3"_s, u"假.mp3"_s, u"波形.mp3"_s})
        EXPECT_TRUE(summary.contains(name)) << name.toStdString();
    ASSERT_EQ(music().rowCount(), 2);
    EXPECT_EQ(music().cell(1, music_col::Name), u"b"_s);
    EXPECT_EQ(music().caption(1), u"2"_s);
    EXPECT_TRUE(cardShows(2, u"b"_s));
    EXPECT_FALSE(QFileInfo::exists(card(3)));
}

TEST_F(MusicImportTest, SongsPairWithFreeLyricsByPositionInLaterImportsToo)
{
    importLyrics(form1, program, {lyric(u"一.lrc"_s), lyric(u"二.lrc"_s), lyric(u"三.lrc"_s)});
    importSongs(form1, program, player, {song(u"甲.mp3"_s), song(u"乙.mp3"_s)});

    const StringTable &lyrics = form1.ListView_daoru_LRC;
    EXPECT_EQ(music().cell(0, music_col::LyricName), u"一"_s);
    EXPECT_EQ(music().cell(1, music_col::LyricName), u"二"_s);
    EXPECT_EQ(lyrics.cell(0, lyric_col::SongKey), music().cell(0, music_col::LyricKey));
    EXPECT_EQ(lyrics.cell(1, lyric_col::SongName), u"乙"_s);
    EXPECT_EQ(form1.suiListView_geci_liebiao.cell(1, 4), u"乙"_s);
    EXPECT_EQ(form1.suiListView_geci_liebiao.cell(2, 4), u"未绑定音乐"_s);

    // Lyric 3 is still free when songs 3 and 4 arrive, and song 3 takes it.
    importSongs(form1, program, player, {song(u"丙.mp3"_s), song(u"丁.mp3"_s)});
    EXPECT_EQ(music().cell(2, music_col::LyricName), u"三"_s);
    EXPECT_EQ(form1.suiListView_geci_liebiao.cell(2, 4), u"丙"_s);
    EXPECT_EQ(music().cell(3, music_col::LyricKey), u"wu"_s);
}

TEST_F(MusicImportTest, FreeRowsPairAgainWhenLaterSongsArrive)
{
    importSongs(form1, program, player, {song(u"s1.mp3"_s), song(u"s2.mp3"_s), song(u"s3.mp3"_s), song(u"s4.mp3"_s)});
    importLyrics(form1, program, {lyric(u"一.lrc"_s), lyric(u"二.lrc"_s)});
    unbindOneSong(form1, 1);
    ASSERT_EQ(music().cell(1, music_col::LyricKey), u"wu"_s);
    ASSERT_EQ(form1.ListView_daoru_LRC.cell(1, lyric_col::SongKey), u"wu"_s);

    importSongs(form1, program, player, {song(u"s5.mp3"_s), song(u"s6.mp3"_s)});

    EXPECT_EQ(music().cell(1, music_col::LyricName), u"二"_s);
    EXPECT_EQ(form1.ListView_daoru_LRC.cell(1, lyric_col::SongKey), music().cell(1, music_col::LyricKey));
    EXPECT_EQ(form1.suiListView_yinyue_liebiao.cell(1, 5), u"二"_s);
    EXPECT_EQ(music().cell(5, music_col::LyricKey), u"wu"_s);
}

TEST_F(MusicImportTest, DeletingSong2Of4MovesTheLaterCardsDown)
{
    importLyrics(form1, program, {lyric(u"一.lrc"_s), lyric(u"二.lrc"_s)});
    importSongs(form1, program, player, {song(u"s1.mp3"_s), song(u"s2.mp3"_s), song(u"s3.mp3"_s), song(u"s4.mp3"_s)});
    form1.Edit_xianshikuang_pailie_yinyue.setText(u"4"_s);
    form1.Edit_xiangpian_down_id.setText(u"1"_s);

    deleteSong(form1, program, 1);

    ASSERT_EQ(music().rowCount(), 3);
    const QStringList names{u"s1"_s, u"s3"_s, u"s4"_s};
    for (int r = 0; r < 3; ++r) {
        EXPECT_EQ(music().caption(r), QString::number(r + 1));
        EXPECT_EQ(form1.suiListView_yinyue_liebiao.caption(r), QString::number(r + 1));
        EXPECT_EQ(music().cell(r, music_col::Name), names[r]);
        EXPECT_TRUE(cardShows(r + 1, names[r])) << r;
    }
    EXPECT_FALSE(QFileInfo::exists(card(4)));
    EXPECT_EQ(QDir(nameCardFolder(program, NameCardKind::Song)).entryList(QDir::Files).size(), 3);
    // Song 2's lyric is free again; song 1's is not.
    EXPECT_EQ(form1.ListView_daoru_LRC.cell(1, lyric_col::SongKey), u"wu"_s);
    EXPECT_EQ(form1.suiListView_geci_liebiao.cell(1, 4), u"未绑定音乐"_s);
    EXPECT_EQ(form1.ListView_daoru_LRC.cell(0, lyric_col::SongName), u"s1"_s);
    EXPECT_EQ(form1.Edit_xianshikuang_pailie_yinyue.text(), u"3"_s);
    EXPECT_EQ(form1.Edit_xiangpian_down_id.text(), u"wu"_s);
}

TEST_F(MusicImportTest, DeletingASongKeepsALyricAnotherSongStillHolds)
{
    importLyrics(form1, program, {lyric(u"一.lrc"_s)});
    importSongs(form1, program, player, {song(u"s1.mp3"_s), song(u"s2.mp3"_s)});
    form1.ListView_daoru_yinyue.setCell(1, music_col::LyricKey, music().cell(0, music_col::LyricKey));
    form1.ListView_daoru_yinyue.setCell(1, music_col::LyricName, u"一"_s);

    deleteSong(form1, program, 0);

    EXPECT_EQ(form1.ListView_daoru_LRC.cell(0, lyric_col::SongKey), music().cell(0, music_col::LyricKey));
    EXPECT_EQ(form1.ListView_daoru_LRC.cell(0, lyric_col::SongName), u"s2"_s);
}

TEST_F(MusicImportTest, DeletingTheLastSongsEmptiesTheCardsAndFollowsThePhotosAgain)
{
    importLyrics(form1, program, {lyric(u"一.lrc"_s)});
    importSongs(form1, program, player, {song(u"s1.mp3"_s), song(u"s2.mp3"_s)});
    form2 = {false, true, true, true};
    form1.Edit_tongbu_shezhi.setText(u"sui_yinyue_tongbu"_s);

    deleteAllSongs(form1, form2, program);

    EXPECT_EQ(music().rowCount(), 0);
    EXPECT_EQ(form1.suiListView_yinyue_liebiao.rowCount(), 0);
    EXPECT_TRUE(tree.isEmptyFolder(u"smxcwjj/tp_wj/tp_slt_2"_s));
    EXPECT_EQ(form1.ListView_daoru_LRC.cell(0, lyric_col::SongKey), u"wu"_s);
    EXPECT_EQ(form1.suiListView_geci_liebiao.cell(0, 4), u"未绑定音乐"_s);
    EXPECT_TRUE(form2.RadioButton1);
    EXPECT_FALSE(form2.RadioButton2 || form2.CheckBox1 || form2.CheckBox2);
    EXPECT_EQ(form1.Edit_tongbu_shezhi.text(), u"sui_zhaopian_tongbu"_s);
    EXPECT_EQ(form1.Edit_xianshikuang_pailie_yinyue.text(), u"0"_s);
}
