#include "render/render_plan.h"

#include "app/project/form1_state.h"
#include "app/project/frm_main_state.h"
#include "app/project/photo_columns.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;

namespace {

namespace pc = photo_column;

class RenderPlanTest : public ::testing::Test
{
protected:
    void addPhoto(int instance, int frames, const QString &orientations = u"|heng|"_s)
    {
        QStringList row(22);
        row[pc::kInstance] = QString::number(instance);
        row[pc::kTemplateIndex] = u"7"_s;
        row[pc::kTemplatePhotos] = u"1"_s;
        row[pc::kMoviePackage] = u"/lib/t.rar"_s;
        row[pc::kSlotOrientations] = orientations;
        row[pc::kSlotPictureNames] = u"picture_1.rar"_s;
        row[pc::kTotalFrames] = QString::number(frames);
        form1.ListView_daoruxiangpian.appendRow(row);
        form1.Edit_mobanleijia_sum.setText(QString::number(std::max(instance, form1.Edit_mobanleijia_sum.number())));
    }

    void addSong(const QString &path, int frames)
    {
        form1.ListView_daoru_yinyue.appendRow(
            {u"1"_s, u"song"_s, u".mp3"_s, path, u"00:00:10"_s, QString::number(frames), u"wu"_s, u"wu"_s});
    }

    RenderPlan plan(DurationChoice duration = {}) { return buildRenderPlan(program, form1, frmMain, duration); }

    ProgramFolder program{u"/album"_s};
    Form1State form1;
    FrmMainState frmMain;
};

TEST_F(RenderPlanTest, BudgetIsTheTemplatesFramesPlusTheClosingHundred)
{
    addPhoto(1, 40);
    addPhoto(2, 60);
    addPhoto(3, 75);
    const RenderPlan result = plan();
    EXPECT_EQ(result.frameBudget, 275);
    const StringTable &playlist = frmMain.ListView_moban_shiyong_shuliang_2;
    ASSERT_EQ(playlist.rowCount(), 3);
    EXPECT_EQ(playlist.row(2), QStringList({u"3"_s, u"3"_s, u"7"_s, u"1"_s, u"/lib/t.rar"_s, u"|heng|"_s,
                                            u"picture_1.rar"_s, u"75"_s,
                                            program.resolve(u"smxcwjj\\tp_wjj\\tp_wjj\\tp_wjj_3\\w_j_3.rar"_s)}));
    EXPECT_EQ(result.frameFile, program.resolve(u"smxcwjj\\tp_load\\tp_load_1.bmp"_s));
}

TEST_F(RenderPlanTest, LastPhotoOfAnInstanceFillsItsRowAndUnusedInstancesStayZero)
{
    addPhoto(3, 50, u"|heng|shu|"_s);
    addPhoto(3, 50, u"|shu|heng|"_s); // same instance, later photo wins
    plan();
    const StringTable &usage = frmMain.ListView_moban_shiyong_shuliang;
    ASSERT_EQ(usage.rowCount(), 3);
    EXPECT_EQ(usage.cell(2, 5), u"|shu|heng|"_s);
    EXPECT_EQ(usage.row(0), QStringList({u"1"_s, u"1"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}));
}

TEST_F(RenderPlanTest, SoundTrackFollowsTheMusicTableAndIsRebuiltEveryRender)
{
    addPhoto(1, 40);
    addSong(u"/m/a.mp3"_s, 250);
    addSong(u"/m/b.mp3"_s, 500);
    EXPECT_EQ(plan().soundTrack, QStringList({u"/m/a.mp3"_s, u"/m/b.mp3"_s}));
    EXPECT_EQ(frmMain.Edit_yinyue_zongchangdu.text(), u"30"_s);

    form1.ListView_daoru_yinyue.clear();
    const RenderPlan second = plan();
    EXPECT_TRUE(second.soundTrack.isEmpty());
    EXPECT_EQ(frmMain.ListView_moban_shiyong_shuliang_2.rowCount(), 1);
}

TEST_F(RenderPlanTest, MusicLengthAlbumLastsAsLongAsTheSongs)
{
    addPhoto(1, 40);
    addSong(u"/m/a.mp3"_s, 250);
    addSong(u"/m/b.mp3"_s, 500);
    const RenderPlan music = plan({false, false, true});
    EXPECT_FALSE(music.photoLength);
    EXPECT_TRUE(music.loopPictures);
    EXPECT_EQ(music.frameBudget, 750);

    form1.ListView_daoru_yinyue.clear(); // nothing to measure: photo length after all
    const RenderPlan noSongs = plan({false, false, false});
    EXPECT_TRUE(noSongs.photoLength);
    EXPECT_EQ(noSongs.frameBudget, 140);
}

TEST_F(RenderPlanTest, LoopedMusicRepeatsTheSongsUntilTheyCoverThePhotoLengthAlbum)
{
    addPhoto(1, 1000);
    addSong(u"/m/a.mp3"_s, 250);
    addSong(u"/m/b.mp3"_s, 500);
    EXPECT_EQ(plan({true, true, false}).soundTrack,
              QStringList({u"/m/a.mp3"_s, u"/m/b.mp3"_s, u"/m/a.mp3"_s, u"/m/b.mp3"_s}));
    EXPECT_EQ(plan({true, false, false}).soundTrack, QStringList({u"/m/a.mp3"_s, u"/m/b.mp3"_s}));
    EXPECT_EQ(plan({false, false, false}).closingFrame, 650);
}

} // namespace
