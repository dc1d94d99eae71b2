#include "render/lyric_line.h"
#include "render/lyric_track.h"

#include "app/project/dialog_states.h"
#include "app/project/form1_state.h"
#include "app/project/frm_main_state.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <QFontMetrics>
#include <QPainter>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

class LyricTest : public ::testing::Test
{
protected:
    void addSong(int frames, const QString &key)
    {
        const QString n = QString::number(form1.ListView_daoru_yinyue.rowCount() + 1);
        form1.ListView_daoru_yinyue.appendRow({n, u"song"_s, u".mp3"_s, u"/m/"_s + n + u".mp3"_s, u"00:00:03"_s,
                                               QString::number(frames), key, u"lyric"_s});
    }

    void addLyric(const QByteArray &text, const QString &key, const QString &size = u"10"_s)
    {
        const QString n = QString::number(form1.ListView_daoru_LRC.rowCount() + 1);
        tree.writeFile(n + u".lrc"_s, text);
        form1.ListView_daoru_LRC.appendRow({n, u"lyric"_s, u".lrc"_s, tree.abs(n + u".lrc"_s), key, u"song"_s,
                                            u"clRed"_s, u"255"_s, size, u"黑体"_s, u"cuti"_s, u"wu"_s, u"wu"_s,
                                            u"juzhong"_s, u"xiamian"_s});
    }

    // The line shown on the frame after each of `steps` further render steps.
    QStringList run(LyricTrack &track, int steps)
    {
        QStringList lines;
        for (int i = 0; i < steps; ++i) {
            track.advance();
            lines << track.line().text();
        }
        return lines;
    }

    TempTree tree;
    Form1State form1;
    Form49State form49;
    FrmMainState frmMain;
};

TEST_F(LyricTest, LinesFollowTheLyricClockAndTheNextSongBringsItsOwnLyric)
{
    addSong(75, u"k1"_s);
    addSong(100, u"k2"_s);
    addLyric("[00:01.20]第一句\n[00:02.00]第二句\n", u"k1"_s);
    addLyric("[00:01.00]下一首\n", u"k2"_s);
    LyricTrack track(form1, form49, frmMain, QSize(1280, 720));
    track.start();
    EXPECT_EQ(frmMain.Edit_lrc_kaiguan.text(), u"kaishi"_s);

    const QStringList first = run(track, 75);
    EXPECT_EQ(first.at(23), QString());       // clock 24: still 00:00
    EXPECT_EQ(first.at(24), u"第一句"_s);     // clock 25: 00:01
    EXPECT_EQ(first.at(49), u"第二句"_s);     // clock 50: 00:02
    EXPECT_EQ(first.at(74), QString());       // the song ended: line emptied
    EXPECT_EQ(frmMain.Edit_shijian_lrc_num.text(), u"1"_s);
    EXPECT_EQ(frmMain.Edit_shijian_lrc.text(), u"0"_s);

    const QStringList second = run(track, 100);
    EXPECT_EQ(second.at(24), u"下一首"_s);
    EXPECT_EQ(frmMain.Edit_lrc_kaiguan.text(), u"tingzhi2"_s);
    run(track, 10);
    EXPECT_EQ(frmMain.Edit_shijian_lrc.text(), u"0"_s) << "the clock stops after the last song";
}

TEST_F(LyricTest, SecondSongWithoutLyricRowStopsTheLyric)
{
    addSong(50, u"k1"_s);
    addSong(50, u"k2"_s);
    addLyric("[00:01.00]只有一首\n", u"k1"_s);
    LyricTrack track(form1, form49, frmMain, QSize(1280, 720));
    track.start();
    run(track, 50);
    EXPECT_EQ(frmMain.Edit_lrc_kaiguan.text(), u"tingzhi1"_s);
    EXPECT_EQ(run(track, 40), QStringList(40, QString()));
}

TEST_F(LyricTest, UnreadableLyricIsReportedAndTheSongPlaysWithoutIt)
{
    addSong(50, u"k1"_s);
    addLyric("[00:01.00]x\n", u"k1"_s);
    QFile::remove(form1.ListView_daoru_LRC.cell(0, 3));
    LyricTrack track(form1, form49, frmMain, QSize(1280, 720));
    track.start();
    EXPECT_EQ(track.takeProblems().size(), 1);
    EXPECT_EQ(run(track, 30), QStringList(30, QString()));
}

TEST_F(LyricTest, LineIsScaledFromTheStyleSampleWidthAndPlacedByItsAlignment)
{
    addLyric("", u"k"_s, u"20"_s);
    LyricLine line;
    line.setText(u"月亮代表我的心"_s);
    line.style(form1.ListView_daoru_LRC, 0, QSize(1280, 720));
    // 20 points on the 513-pixel sample are 74 points on the 1920-pixel frame, 99 pixels at 96 dpi.
    EXPECT_EQ(line.font().pixelSize(), 99);
    EXPECT_TRUE(line.font().bold());
    const QSize size = line.size();
    EXPECT_EQ(line.position(), QPoint((1280 - size.width()) / 2, 720 - size.height() - 10));

    QImage frame(1280, 720, QImage::Format_RGB32);
    frame.fill(Qt::black);
    QPainter painter(&frame);
    line.paint(painter);
    painter.end();
    int red = 0;
    for (int x = line.position().x(); x < line.position().x() + size.width(); ++x)
        red += QColor(frame.pixel(x, line.position().y() + size.height() / 2)).red() > 200 ? 1 : 0;
    EXPECT_GT(red, 10) << "the line is drawn in its colour (number 255 is red)";
}

} // namespace
