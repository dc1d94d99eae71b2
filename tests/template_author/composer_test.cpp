#include "tools/template_author/composer.h"
#include "tools/template_author/shapes.h"

#include "tests/template_author/movie_bytes.h"

#include <gtest/gtest.h>

#include <map>

using namespace velumo::author;
using velumo::test::rootTags;
using velumo::test::toByteArray;

namespace {

constexpr std::uint16_t kPlaceObject2 = 26;

// Modify commands (PlaceObject2 with the move flag) per depth, over the whole movie.
std::map<int, int> modifiesPerDepth(const QByteArray &movie)
{
    std::map<int, int> out;
    for (const auto &tag : rootTags(movie).tags) {
        if (tag.code != kPlaceObject2)
            continue;
        const auto flags = std::uint8_t(tag.body[0]);
        const int depth = std::uint8_t(tag.body[1]) | std::uint8_t(tag.body[2]) << 8;
        if (flags & 0x01)
            ++out[depth];
    }
    return out;
}

} // namespace

TEST(Track, ValuesBetweenAndAroundKeys)
{
    Track chained;
    chained.tween(0, 10, 0, 1, Ease::Linear).tween(10, 20, 1, 3, Ease::Linear);
    Track late(5);
    late.key(0, 5, Ease::Linear).tween(10, 20, 0, 1, Ease::Linear);
    Track held;
    held.key(0, 1).key(10, 4, Ease::Hold);

    const struct
    {
        const char *what;
        const Track &track;
        int frame;
        double expected;
    } cases[] = {
        {"before the first key: its value", late, -3, 5},
        {"a chained tween keeps the first one's ease", chained, 5, 0.5},
        {"the second tween", chained, 15, 2},
        {"after the last key", chained, 99, 3},
        {"an earlier key holds until the tween starts", late, 9, 5},
        {"the tween starts by jumping", late, 10, 0},
        {"a hold key keeps the old value up to it", held, 9, 1},
        {"and jumps at it", held, 10, 4},
    };
    for (const auto &c : cases)
        EXPECT_DOUBLE_EQ(c.track.at(c.frame), c.expected) << c.what;
    EXPECT_DOUBLE_EQ(Track(7).at(3), 7) << "without keys: the base";
}

TEST(Ease, EveryCurveStartsAtZeroAndEndsAtOne)
{
    for (Ease e : {Ease::Linear, Ease::InQuad, Ease::OutQuad, Ease::InOutQuad, Ease::InCubic, Ease::OutCubic,
                   Ease::InOutCubic, Ease::OutQuart, Ease::InOutSine, Ease::OutSine, Ease::OutBack, Ease::OutBounce}) {
        EXPECT_NEAR(applyEase(e, 0), 0, 1e-9) << int(e);
        EXPECT_NEAR(applyEase(e, 1), 1, 1e-9) << int(e);
    }
    double peak = 0;
    for (int i = 0; i <= 100; ++i)
        peak = std::max(peak, applyEase(Ease::OutBack, i / 100.0));
    EXPECT_GT(peak, 1.02) << "OutBack overshoots before it settles";
}

TEST(Element, FollowersMoveInTheLeadersSpace)
{
    Composer c(10, {QSize(400, 300)});
    Element &photo = c.photo(1);
    Element &frame = c.add(c.defineShape(shapes::rect(QRectF(0, 0, 10, 10), Qt::white)));
    frame.follow(photo).at(-20, -20);
    photo.at(960, 540).scale(2);
    photo.wash(0, 9, Qt::black, 0.5, 0.5);
    photo.opacity(0.5);
    Element &shadow = c.add(c.defineShape(shapes::rect(QRectF(0, 0, 10, 10), Qt::black)));
    shadow.follow(photo, false);

    // The pivot (the photo's centre) lands on (960, 540) and the photo doubles around it.
    EXPECT_EQ(photo.transformAt(0).map(QPointF(200, 150)), QPointF(960, 540));
    EXPECT_EQ(photo.transformAt(0).map(QPointF(0, 0)), QPointF(560, 240));
    EXPECT_EQ(frame.transformAt(0).map(QPointF(0, 0)), QPointF(520, 200));

    // The border darkens with its photo; the shadow only fades, and later than the photo.
    EXPECT_EQ(frame.colourAt(0).rMul, 128);
    EXPECT_EQ(frame.colourAt(0).aMul, 128);
    EXPECT_EQ(shadow.colourAt(0).rMul, 256);
    EXPECT_EQ(shadow.colourAt(0).aMul, 32);
}

TEST(Composer, WritesChangesOnlyWhereSomethingMoves)
{
    Composer c(10, {QSize(100, 100)});
    c.photo(1).at(100, 100);
    Element &still = c.add(c.defineShape(shapes::rect(QRectF(0, 0, 50, 50), Qt::red)));
    Element &moving = c.add(c.defineShape(shapes::rect(QRectF(0, 0, 50, 50), Qt::green)));
    moving.move(0, 9, {0, 0}, {900, 0}, Ease::Linear);
    Element &hidden = c.add(c.defineShape(shapes::rect(QRectF(0, 0, 50, 50), Qt::blue)));
    hidden.opacity(0).move(0, 9, {0, 0}, {900, 0}, Ease::Linear);

    const std::map<int, int> modifies = modifiesPerDepth(toByteArray(c.finish()));
    EXPECT_FALSE(modifies.contains(still.depth()));
    EXPECT_EQ(modifies.at(moving.depth()), 9);
    EXPECT_FALSE(modifies.contains(hidden.depth())) << "motion nobody can see is not written";
    EXPECT_FALSE(modifies.contains(c.scene().depth()));
}

TEST(Composer, RefusesIncompleteCompositions)
{
    {
        Composer c(10, {QSize(100, 100), QSize(100, 100)});
        c.photo(1);
        EXPECT_THROW(c.finish(), velumo::swf::writer::WriteError) << "slot 2 has no clip";
    }
    {
        Composer c(10, {});
        c.beginMask(c.defineShape(shapes::rect(QRectF(0, 0, 10, 10), Qt::black)));
        c.add(c.defineShape(shapes::rect(QRectF(0, 0, 10, 10), Qt::red)));
        EXPECT_THROW(c.finish(), velumo::swf::writer::WriteError) << "the mask is still open";
    }
    {
        Composer c(10, {});
        EXPECT_THROW(c.endMask(), velumo::swf::writer::WriteError);
        c.beginMask(c.defineShape(shapes::rect(QRectF(0, 0, 10, 10), Qt::black)));
        EXPECT_THROW(c.endMask(), velumo::swf::writer::WriteError) << "a mask over nothing";
    }
    {
        Composer c(10, {});
        c.finish();
        EXPECT_THROW(c.finish(), velumo::swf::writer::WriteError);
    }
    EXPECT_THROW(Composer(0, {}), velumo::swf::writer::WriteError);
}
