// Binding songs and lyrics: the examples of manual, automatic and position binding, and the
// rules for unbinding, seen through both tables and both panel lists.
#include "media/song_binding.h"

#include "app/project/form1_state.h"
#include "media/media_columns.h"
#include "media/media_lists.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;

namespace {

class SongBindingTest : public ::testing::Test
{
protected:
    void addSongs(const QStringList &names)
    {
        for (const QString &name : names) {
            StringTable &music = form1.ListView_daoru_yinyue;
            music.appendRow({QString::number(music.rowCount() + 1), name, u".mp3"_s, u"/m/"_s + name + u".mp3"_s,
                             u"00:00:10"_s, u"250"_s, u"wu"_s, u"wu"_s});
            form1.suiListView_yinyue_liebiao.appendRow(musicListRow(form1, music.rowCount() - 1));
        }
    }

    void addLyrics(const QStringList &names)
    {
        for (const QString &name : names) {
            StringTable &lyrics = form1.ListView_daoru_LRC;
            lyrics.appendRow({QString::number(lyrics.rowCount() + 1), name, u".lrc"_s, u"/l/"_s + name + u".lrc"_s,
                              u"wu"_s, u"wu"_s, u"clWhite"_s, u"16777215"_s, u"10"_s, u"黑体"_s, u"cuti"_s, u"wu"_s,
                              u"wu"_s, u"juzhong"_s, u"xiamian"_s});
            form1.suiListView_geci_liebiao.appendRow(lyricListRow(form1, lyrics.rowCount() - 1));
        }
    }

    QString songKey(int s) const { return form1.ListView_daoru_yinyue.cell(s, music_col::LyricKey); }
    QString songShows(int s) const { return form1.suiListView_yinyue_liebiao.cell(s, music_list_col::BoundLyric); }
    QString lyricKey(int l) const { return form1.ListView_daoru_LRC.cell(l, lyric_col::SongKey); }
    QString lyricSongName(int l) const { return form1.ListView_daoru_LRC.cell(l, lyric_col::SongName); }
    QString lyricShows(int l) const { return form1.suiListView_geci_liebiao.cell(l, lyric_list_col::BoundSong); }

    bool bound(int s, int l) const { return songKey(s) != u"wu"_s && songKey(s) == lyricKey(l); }

    void expectSongUnbound(int s) const
    {
        EXPECT_EQ(songKey(s), u"wu"_s);
        EXPECT_EQ(form1.ListView_daoru_yinyue.cell(s, music_col::LyricName), u"wu"_s);
        EXPECT_EQ(songShows(s), u"未绑定歌词"_s);
    }

    void expectLyricUnbound(int l) const
    {
        EXPECT_EQ(lyricKey(l), u"wu"_s);
        EXPECT_EQ(lyricSongName(l), u"wu"_s);
        EXPECT_EQ(lyricShows(l), u"未绑定音乐"_s);
    }

    Form1State form1;
};

} // namespace

TEST_F(SongBindingTest, AutomaticBindingPairsInOrderAndCountsTheSongsLeftOver)
{
    addSongs({u"甲"_s, u"乙"_s, u"丙"_s});
    addLyrics({u"一"_s, u"二"_s});
    bindSongToLyric(form1, 2, 0); // undone by the automatic binding

    const int left = bindAutomatically(form1);

    EXPECT_TRUE(bound(0, 0));
    EXPECT_TRUE(bound(1, 1));
    EXPECT_NE(songKey(0), songKey(1));
    expectSongUnbound(2);
    EXPECT_EQ(songShows(0), u"一"_s);
    EXPECT_EQ(lyricShows(1), u"乙"_s);
    EXPECT_EQ(left, 1);
    EXPECT_EQ(unboundSongsMessage(left), u"添加的歌词数量与添加的音乐数量不一致,还有 1 个音乐没有绑定"_s);
}

TEST_F(SongBindingTest, AutomaticBindingWithMoreLyricsThanSongsLeavesNothingToReport)
{
    addSongs({u"甲"_s});
    addLyrics({u"一"_s, u"二"_s});
    EXPECT_EQ(bindAutomatically(form1), 0);
    EXPECT_TRUE(bound(0, 0));
    expectLyricUnbound(1);
}

TEST_F(SongBindingTest, ThreeSongsOnOneLyricAreCounted)
{
    addSongs({u"甲"_s, u"乙"_s, u"丙"_s});
    addLyrics({u"一"_s, u"二"_s});
    bindSongToLyric(form1, 0, 0);
    bindSongToLyric(form1, 1, 0);
    bindLyricToSong(form1, 0, 2);

    for (int s = 0; s < 3; ++s)
        EXPECT_TRUE(bound(s, 0)) << s;
    EXPECT_EQ(lyricSongName(0), u"绑定3个音乐"_s);
    EXPECT_EQ(lyricShows(0), u"绑定3个音乐"_s);
    expectLyricUnbound(1);
}

TEST_F(SongBindingTest, RebindingASongFreesTheLyricNoSongHoldsAnyMore)
{
    addSongs({u"A"_s});
    addLyrics({u"X"_s, u"Y"_s});
    bindSongToLyric(form1, 0, 0);
    ASSERT_TRUE(bound(0, 0));

    bindSongToLyric(form1, 0, 1);

    expectLyricUnbound(0);
    EXPECT_TRUE(bound(0, 1));
    EXPECT_EQ(lyricSongName(1), u"A"_s);
    EXPECT_EQ(songShows(0), u"Y"_s);
}

TEST_F(SongBindingTest, ALyricPickingASongTakesItFromItsFormerLyric)
{
    addSongs({u"A"_s, u"B"_s});
    addLyrics({u"X"_s, u"Y"_s});
    bindSongToLyric(form1, 0, 0);
    bindLyricToSong(form1, 1, 0);
    EXPECT_TRUE(bound(0, 1));
    expectLyricUnbound(0);

    // A lyric without a key gives the song a new one, different from every other key.
    bindLyricToSong(form1, 0, 1);
    EXPECT_TRUE(bound(1, 0));
    EXPECT_NE(songKey(1), songKey(0));
}

TEST_F(SongBindingTest, UnbindingOneOfTwoSongsKeepsTheLyricWithTheOther)
{
    addSongs({u"A"_s, u"B"_s});
    addLyrics({u"X"_s});
    bindSongToLyric(form1, 0, 0);
    bindSongToLyric(form1, 1, 0);
    ASSERT_EQ(lyricSongName(0), u"绑定2个音乐"_s);

    unbindOneSong(form1, 0);
    expectSongUnbound(0);
    EXPECT_TRUE(bound(1, 0));
    EXPECT_EQ(lyricSongName(0), u"绑定2个音乐"_s); // left as it was

    unbindOneSong(form1, 1);
    expectSongUnbound(1);
    expectLyricUnbound(0);
}

TEST_F(SongBindingTest, UnbindingALyricUnbindsEverySongHoldingIt)
{
    addSongs({u"A"_s, u"B"_s, u"C"_s});
    addLyrics({u"X"_s, u"Y"_s});
    bindSongToLyric(form1, 0, 0);
    bindSongToLyric(form1, 1, 0);
    bindSongToLyric(form1, 2, 1);

    unbindOneLyric(form1, 0);

    expectLyricUnbound(0);
    expectSongUnbound(0);
    expectSongUnbound(1);
    EXPECT_TRUE(bound(2, 1));
}

TEST_F(SongBindingTest, UnbindAllFreesEveryRow)
{
    addSongs({u"A"_s, u"B"_s});
    addLyrics({u"X"_s, u"Y"_s});
    bindAutomatically(form1);
    unbindAll(form1);
    for (int i = 0; i < 2; ++i) {
        expectSongUnbound(i);
        expectLyricUnbound(i);
    }
}

TEST_F(SongBindingTest, PositionPairingBindsOnlyWhenBothRowsAreFree)
{
    addSongs({u"A"_s, u"B"_s});
    addLyrics({u"X"_s, u"Y"_s, u"Z"_s});
    bindSongToLyric(form1, 1, 2);

    for (int i = 0; i < 3; ++i)
        pairByPosition(form1, i);

    EXPECT_TRUE(bound(0, 0));
    EXPECT_EQ(lyricSongName(0), u"A"_s);
    EXPECT_EQ(songShows(0), u"X"_s);
    EXPECT_TRUE(bound(1, 2)); // song B was taken: lyric Y stays free
    expectLyricUnbound(1);
}
