#include "app/panels/scroll_mapping.h"
#include "app/panels/thumbnail_grid.h"

#include <gtest/gtest.h>

namespace velumo {
namespace {

TEST(ThumbnailGrid, TwelvePhotosInAnEightyEightyFrameFillFourColumnsAndSixHundredPixels)
{
    const GridArrangement grid = arrangeGrid(12, QSize(180, 180), QSize(880, 550));
    EXPECT_EQ(grid.columns, 4);
    ASSERT_EQ(grid.positions.size(), 12u);
    EXPECT_EQ(grid.positions[0], QPoint(10, 10));
    EXPECT_EQ(grid.positions[3], QPoint(610, 10));
    EXPECT_EQ(grid.positions[4], QPoint(10, 210));
    EXPECT_EQ(grid.positions[11], QPoint(610, 410));
    EXPECT_EQ(grid.innerHeight, 600);
}

TEST(ThumbnailGrid, NameCardsFitFiveColumnsAndAShortGridKeepsTheFrameHeight)
{
    const GridArrangement grid = arrangeGrid(3, QSize(150, 150), QSize(880, 550));
    EXPECT_EQ(grid.columns, 5);
    EXPECT_EQ(grid.positions[2], QPoint(350, 10));
    EXPECT_EQ(grid.innerHeight, 550);
}

TEST(ThumbnailGrid, AFrameNarrowerThanOneCellStillHasOneColumn)
{
    const GridArrangement grid = arrangeGrid(2, QSize(180, 180), QSize(120, 100));
    EXPECT_EQ(grid.columns, 1);
    EXPECT_EQ(grid.positions[1], QPoint(10, 210));
    EXPECT_EQ(grid.innerHeight, 400);
}

constexpr int kCap = 16;

TEST(ScrollMapping, TopOfTheBarShowsTheTopOfTheGridAndTheBottomItsEnd)
{
    // Frame 550 high, grid 1000: body 2 * 550 - 1000 = 100, free space 550 - 32 - 100 = 418.
    const ScrollBarLayout bar = layoutScrollBar(550, 1000, kCap);
    ASSERT_TRUE(bar.scrollable());
    EXPECT_EQ(bar.bodyHeight, 100);
    EXPECT_EQ(bar.restGap, 418);
    EXPECT_EQ(bar.range, 450);

    EXPECT_EQ(innerTopForGap(bar, bar.restGap), 0);
    EXPECT_EQ(innerTopForGap(bar, 0), -450);
    EXPECT_EQ(innerTopForGap(bar, 209), 209 * 450 / 418 - 450);

    const ScrollPosition top = dragScrollBar(bar, -40);
    EXPECT_EQ(top.stackTop, 0) << "pushed back down to the frame's top";
    EXPECT_EQ(top.innerTop, 0);
    const ScrollPosition bottom = dragScrollBar(bar, 5000);
    EXPECT_EQ(bottom.stackTop, 418) << "pushed back up to end at the frame's bottom";
    EXPECT_EQ(bottom.innerTop, -450);
}

TEST(ScrollMapping, AVeryTallGridGetsTheShortestBody)
{
    const ScrollBarLayout bar = layoutScrollBar(550, 4000, kCap);
    EXPECT_EQ(bar.bodyHeight, kMinimumScrollBodyHeight);
    EXPECT_EQ(dragScrollBar(bar, 5000).innerTop, -3450);
}

TEST(ScrollMapping, AGridBarelyTallerThanItsFrameStillScrollsToItsEnd)
{
    // Twelve photos (600 high) in a 578-pixel frame: 2 * 578 - 600 would leave no room
    // below the stack, so the last 22 pixels could never be reached.
    const ScrollBarLayout bar = layoutScrollBar(578, 600, kCap);
    ASSERT_TRUE(bar.scrollable());
    EXPECT_EQ(bar.restGap, 1);
    EXPECT_EQ(dragScrollBar(bar, 5000).innerTop, -22);
    EXPECT_EQ(dragScrollBar(bar, 0).innerTop, 0);
}

TEST(ScrollMapping, AFrameWithoutRoomToMoveTheBarDoesNotScroll)
{
    // Two caps and the shortest body fill the whole frame: no free space, nothing to divide by.
    const ScrollBarLayout bar = layoutScrollBar(2 * kCap + kMinimumScrollBodyHeight, 400, kCap);
    EXPECT_TRUE(bar.visible);
    EXPECT_LE(bar.restGap, 0);
    EXPECT_FALSE(bar.scrollable());
    EXPECT_EQ(innerTopForGap(bar, 0), 0);
    EXPECT_EQ(dragScrollBar(bar, 30).innerTop, 0);
    EXPECT_EQ(scrollGridTo(bar, -100).innerTop, 0);
}

TEST(ScrollMapping, AGridNoTallerThanItsFrameHasNoBar)
{
    const ScrollBarLayout bar = layoutScrollBar(550, 550, kCap);
    EXPECT_FALSE(bar.visible);
    EXPECT_FALSE(bar.scrollable());
}

TEST(ScrollMapping, TheWheelMovesTheGridWithinItsRangeAndTheBarFollows)
{
    const ScrollBarLayout bar = layoutScrollBar(550, 1000, kCap);
    const ScrollPosition end = scrollGridTo(bar, -10000);
    EXPECT_EQ(end.innerTop, -450);
    EXPECT_EQ(end.stackTop, bar.restGap);
    const ScrollPosition start = scrollGridTo(bar, 300);
    EXPECT_EQ(start.innerTop, 0);
    EXPECT_EQ(start.stackTop, 0);
    // Half way down the grid puts the bar half way down its track.
    EXPECT_EQ(scrollGridTo(bar, -225).stackTop, 209);
}

} // namespace
} // namespace velumo
