// Name cards: drawn at their size, the name centred when it is narrow and starting at the
// left of the label when it is 130 pixels or wider in 11-pixel 宋体.
#include "media/name_card.h"

#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;

namespace {

// The leftmost and rightmost columns of the label strip holding near-white text pixels.
std::pair<int, int> textSpan(const QImage &card)
{
    int left = card.width();
    int right = -1;
    for (int y = 98; y < 110; ++y) {
        for (int x = 0; x < card.width(); ++x) {
            if (qGray(card.pixel(x, y)) > 200) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return {left, right};
}

// The shortest run of "名" wide enough to be aligned left.
QString nameAtLeast130Pixels()
{
    QString name;
    while (!nameCardLeftAligned(name))
        name += u'名';
    return name;
}

} // namespace

TEST(NameCard, AlignmentTurnsLeftAt130MeasuredPixels)
{
    const QString wide = nameAtLeast130Pixels();
    const QString narrower = wide.chopped(1);
    EXPECT_GE(nameCardMeasure(wide), 130);
    EXPECT_LT(nameCardMeasure(narrower), 130);
    EXPECT_FALSE(nameCardLeftAligned(narrower));
}

TEST(NameCard, NarrowNamesAreCentredWideOnesStartAtTheLabelsLeft)
{
    for (NameCardKind kind : {NameCardKind::Song, NameCardKind::Lyric}) {
        const QImage narrow = drawNameCard(kind, u"甜蜜蜜"_s);
        EXPECT_EQ(narrow.size(), QSize(130, 115));
        const auto [left, right] = textSpan(narrow);
        ASSERT_LT(left, right);
        EXPECT_GT(left, 30);
        EXPECT_NEAR((left + right) / 2.0, 5 + 124 / 2.0, 3);

        const auto [wideLeft, wideRight] = textSpan(drawNameCard(kind, nameAtLeast130Pixels()));
        EXPECT_LE(wideLeft, 7);
        EXPECT_LE(wideRight, 128); // clipped to the label
    }
}

TEST(NameCard, SongsAndLyricsLookDifferent)
{
    EXPECT_NE(drawNameCard(NameCardKind::Song, u"a"_s), drawNameCard(NameCardKind::Lyric, u"a"_s));
}
