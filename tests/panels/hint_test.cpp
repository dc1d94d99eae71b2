#include "app/panels/hint_fade.h"
#include "app/panels/hint_placement.h"

#include <gtest/gtest.h>

namespace velumo {
namespace {

TEST(HintPlacement, BelowLeftOfThePointerAndKeptOnTheScreen)
{
    const QRect screen(0, 0, 1366, 768);
    const QSize hint(200, 30);
    const struct
    {
        const char *where;
        QPoint pointer;
        QPoint placed;
    } cases[] = {
        {"middle", {500, 300}, {480, 310}},
        {"right edge", {1360, 300}, {1366 - 200 - 5, 310}},
        {"bottom edge", {500, 760}, {480, 760 + 10 - 30 - 12}},
        {"bottom right corner", {1365, 767}, {1161, 767 + 10 - 30 - 12}},
        {"left edge", {5, 300}, {8, 310}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(placeHint(c.pointer, hint, screen), c.placed) << c.where;
}

TEST(HintPlacement, EdgesAreThoseOfThePointersScreen)
{
    const QRect second(1920, 0, 1366, 768);
    EXPECT_EQ(placeHint(QPoint(1920 + 1360, 300), QSize(200, 30), second), QPoint(1920 + 1366 - 205, 310));
    EXPECT_EQ(placeHint(QPoint(1925, 300), QSize(200, 30), second), QPoint(1928, 310));
}

// Runs the timer that is running until it stops or `ticks` ticks have passed.
int runTicks(HintFade &fade, int ticks)
{
    int ran = 0;
    for (; ran < ticks && fade.running() != HintFade::Running::None; ++ran) {
        if (fade.running() == HintFade::Running::FadeIn)
            fade.fadeInTick();
        else
            fade.fadeOutTick();
    }
    return ran;
}

TEST(HintFade, ShowsAfterTwoSecondsFadesInHoldsTwoSecondsAndFadesOut)
{
    HintFade fade;
    fade.requestShow();
    EXPECT_FALSE(fade.visible());
    EXPECT_EQ(fade.running(), HintFade::Running::FadeIn);
    EXPECT_EQ(fade.intervalMs(), 2000);

    fade.fadeInTick();
    EXPECT_TRUE(fade.visible());
    EXPECT_TRUE(fade.justShown());
    EXPECT_EQ(fade.opacity(), 10);
    EXPECT_EQ(fade.intervalMs(), 1);

    runTicks(fade, 24);
    EXPECT_EQ(fade.opacity(), 250);
    EXPECT_EQ(fade.running(), HintFade::Running::FadeIn);
    fade.fadeInTick(); // the 26th tick
    EXPECT_EQ(fade.opacity(), 255);
    EXPECT_EQ(fade.running(), HintFade::Running::FadeOut);
    EXPECT_EQ(fade.intervalMs(), 2000) << "holds before fading out";
    EXPECT_FALSE(fade.justShown());

    EXPECT_EQ(runTicks(fade, 100), 26);
    EXPECT_FALSE(fade.visible());
    EXPECT_EQ(fade.opacity(), 0);
}

TEST(HintFade, LeavingAButtonBeforeItsHintAppearsShowsNothing)
{
    HintFade fade;
    fade.requestShow();
    fade.fadeAway();
    EXPECT_EQ(fade.running(), HintFade::Running::None);
    EXPECT_FALSE(fade.visible());
}

TEST(HintFade, ANewRequestDropsTheShownHintAndWaitsAgain)
{
    HintFade fade;
    fade.requestShow();
    runTicks(fade, 5);
    ASSERT_TRUE(fade.visible());
    fade.requestShow(); // the pointer moved on to the next button
    EXPECT_FALSE(fade.visible());
    EXPECT_EQ(fade.opacity(), 0);
    EXPECT_EQ(fade.intervalMs(), 2000);
}

TEST(HintFade, LeavingAButtonFadesItsHintOutFromWhereItIsButLeavingAnItemClosesAtOnce)
{
    HintFade button;
    button.requestShow();
    runTicks(button, 8);
    button.fadeAway();
    EXPECT_EQ(button.running(), HintFade::Running::FadeOut);
    EXPECT_EQ(button.intervalMs(), 1);
    EXPECT_TRUE(button.visible());
    EXPECT_EQ(runTicks(button, 100), 9);
    EXPECT_FALSE(button.visible());

    HintFade item;
    item.requestShow();
    runTicks(item, 30);
    ASSERT_TRUE(item.visible());
    item.closeNow();
    EXPECT_FALSE(item.visible());
    EXPECT_EQ(item.running(), HintFade::Running::None);
}

} // namespace
} // namespace velumo
