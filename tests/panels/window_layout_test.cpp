#include "app/panels/window_layout.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

TEST(WindowLayout, StartLayoutIsSizedFromTheScreenAndCentred)
{
    const struct
    {
        QSize screen;
        QRect window;
    } cases[] = {
        {{1366, 768}, {86, 45, 1194, 678}},
        {{1024, 768}, {11, 103, 1002, 561}},
        {{1920, 1080}, {320, 180, 1280, 720}},
        {{2560, 1440}, {640, 360, 1280, 720}},
        {{1920, 1200}, {320, 240, 1280, 720}},
        {{1600, 900}, {101, 52, 1398, 795}},
    };
    for (const auto &c : cases) {
        EXPECT_EQ(windowGeometry(WindowLayout::Start, QRect(QPoint(0, 0), c.screen)), c.window)
            << c.screen.width() << "x" << c.screen.height();
    }
}

TEST(WindowLayout, EveryLayoutStaysOnItsOwnScreen)
{
    const QRect second(1366, 0, 1366, 768);
    EXPECT_EQ(windowGeometry(WindowLayout::Start, second), QRect(1366 + 86, 45, 1194, 678));
    EXPECT_EQ(windowGeometry(WindowLayout::FullScreen, second), second);
    EXPECT_EQ(windowGeometry(WindowLayout::Restored, second), QRect(1366 + 50, 50, 1266, 668));
    // A wide, low screen: the start height from the width would not fit.
    EXPECT_EQ(windowGeometry(WindowLayout::Start, QRect(0, 0, 1366, 600)), QRect(86, 0, 1194, 600));
}

TEST(WindowLayout, TitleDoubleClickTogglesBetweenStartAndFullScreen)
{
    EXPECT_EQ(layoutAfterTitleDoubleClick(WindowLayout::Start), WindowLayout::FullScreen);
    EXPECT_EQ(layoutAfterTitleDoubleClick(WindowLayout::FullScreen), WindowLayout::Start);
    EXPECT_EQ(layoutAfterTitleDoubleClick(WindowLayout::Restored), WindowLayout::Start);
    EXPECT_EQ(layoutToken(WindowLayout::Start), u"kaishibuju"_s);
    EXPECT_EQ(layoutToken(WindowLayout::FullScreen), u"quanpingbuju"_s);
    EXPECT_EQ(layoutToken(WindowLayout::Restored), u"heshibuju"_s);
}

TEST(FrameGeometry, ColumnsAndMediaFrameFollowTheWindowSize)
{
    const FrameGeometry g = frameGeometry(QSize(1194, 678), 36, 6);
    EXPECT_EQ(g.commands.front(), QRect(3, 60, 170, 25));
    EXPECT_EQ(g.commands.back(), QRect(3, 60 + 9 * 26, 170, 25));
    EXPECT_EQ(g.previewPanel.top(), 60 + 9 * 26 + 25 + 9);
    EXPECT_EQ(g.mediaFrame, QRect(175, 60, 1194 - 175 - 185 - 4, 578));
    EXPECT_EQ(g.photoCounts.left(), g.mediaFrame.right() + 1 + 2);
    EXPECT_EQ(g.photoCounts.width(), 185);
    EXPECT_EQ(g.photoCounts.height(), 103);
    EXPECT_EQ(g.musicCounts.top(), g.photoCounts.bottom() + 1 + 2);
    EXPECT_EQ(g.lyricCounts.height(), 177);
    EXPECT_EQ(g.otherSettings.top(), g.lyricCounts.bottom() + 1 + 2);
    EXPECT_EQ(g.otherSettings.height(), 150);
    EXPECT_LE(g.otherSettings.bottom(), 678 - 6) << "the column stays above the bottom strip";
    EXPECT_EQ(g.closeLabel, QRect(1194 - 45, 0, 32, 36));
    EXPECT_EQ(g.fullScreenLabel.right() + 1, g.closeLabel.left());
    EXPECT_EQ(g.restoreLabel.right() + 1, g.fullScreenLabel.left());
    EXPECT_EQ(g.startLayoutLabel.right() + 1, g.restoreLabel.left());
    EXPECT_EQ(g.areaLabels[0].left(), 175);
    EXPECT_GT(g.areaLabels[0].top(), g.mediaFrame.bottom());
    EXPECT_LE(g.areaLabels[0].bottom(), 678 - 6);
}

TEST(FrameGeometry, TheHelpTickerTakesTheRestOfTheRightColumnOrMovesLeftOnShortWindows)
{
    const FrameGeometry tall = frameGeometry(QSize(1366, 768), 36, 6);
    EXPECT_EQ(tall.help.left(), tall.otherSettings.left());
    EXPECT_EQ(tall.help.top(), tall.otherSettings.bottom() + 1 + 2);
    EXPECT_EQ(tall.help.bottom(), 768 - 6 - 2 - 1);

    const FrameGeometry start = frameGeometry(QSize(1194, 678), 36, 6);
    EXPECT_EQ(start.help.left(), 3) << "under the preview box";
    EXPECT_GT(start.help.top(), start.previewPanel.bottom());
    EXPECT_LE(start.help.bottom(), 678 - 6);

    const FrameGeometry tiny = frameGeometry(QSize(698, 395), 36, 6);
    EXPECT_TRUE(tiny.help.isEmpty());
}

} // namespace
} // namespace velumo
