#include "render/frame_time.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

TEST(FrameTime, CountsWholeSecondsAtTwentyFiveFramesAndDropsHours)
{
    const std::pair<int, QString> cases[] = {
        {0, u"00:00"_s},     {24, u"00:00"_s},    {25, u"00:01"_s},    {1499, u"00:59"_s}, {1500, u"01:00"_s},
        {90000, u"00:00"_s}, {91500, u"01:00"_s}, {-30, u"00:00"_s},   {89999, u"59:59"_s},
    };
    for (const auto &[frames, text] : cases)
        EXPECT_EQ(velumo::frameTimeText(frames), text) << frames;
}
