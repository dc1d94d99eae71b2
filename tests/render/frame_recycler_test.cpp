#include "render/frame_recycler.h"

#include <gtest/gtest.h>

namespace velumo {
namespace {

QImage frameOf(FrameRecycler &frames, QRgb colour)
{
    return frames.make([colour](QImage &frame) { frame.fill(colour); });
}

TEST(FrameRecycler, NeverPaintsOverAFrameSomebodyStillHolds)
{
    FrameRecycler frames(QSize(64, 36));
    const QImage held = frameOf(frames, 0xff112233);
    const QImage next = frameOf(frames, 0xff445566);
    EXPECT_EQ(held.pixel(10, 10), 0xff112233u);
    EXPECT_EQ(next.pixel(10, 10), 0xff445566u);
    EXPECT_NE(held.constBits(), next.constBits());
}

TEST(FrameRecycler, UsesAFrameAgainOnceEveryCopyIsGone)
{
    FrameRecycler frames(QSize(64, 36));
    const uchar *first = nullptr;
    {
        const QImage frame = frameOf(frames, 0xff112233);
        first = frame.constBits();
    }
    const QImage again = frameOf(frames, 0xff445566);
    EXPECT_EQ(again.constBits(), first);
    EXPECT_EQ(again.pixel(0, 0), 0xff445566u);
    EXPECT_EQ(frames.keptCount(), 1u);
}

TEST(FrameRecycler, FramesKeptForGoodDoNotStopTheOthersBeingReused)
{
    FrameRecycler frames(QSize(16, 16));
    std::vector<QImage> held;
    for (int i = 0; i < 40; ++i)
        held.push_back(frameOf(frames, qRgb(i, i, i)));
    for (int i = 0; i < 40; ++i)
        ASSERT_EQ(held[std::size_t(i)].pixel(3, 3), qRgb(i, i, i)) << i;
    EXPECT_LE(frames.keptCount(), 6u);

    // With those still held, frames that are let go come back again.
    const uchar *first = nullptr;
    {
        const QImage frame = frameOf(frames, 0xff010203);
        first = frame.constBits();
    }
    EXPECT_EQ(frameOf(frames, 0xff040506).constBits(), first);
}

} // namespace
} // namespace velumo
