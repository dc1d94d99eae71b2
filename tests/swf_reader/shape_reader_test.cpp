// Shape records into layers of styles and oriented, joined contours.
#include "players/swf/reader/shape_reader.h"
#include "tests/swf_reader/swf_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace velumo::swf {
namespace {

using namespace test;

constexpr std::uint16_t kDefineShape = 2, kDefineShape2 = 22, kDefineShape3 = 32, kDefineShape4 = 83;

ShapeDef read(const Bytes &body, std::uint16_t code = kDefineShape)
{
    ByteReader in(body);
    Budget budget;
    return readShape(in, code, budget);
}

Bytes oneFill(Rgba colour = {255, 0, 0, 255})
{
    return cat({{1}, solidRgb(colour)});
}

const Bytes kNoLines{0};

// The corners of a closed contour, starting at its smallest point (by y, then x), keeping the
// direction of travel: equal lists mean the same contour, travelled the same way.
std::vector<Point> corners(const Contour &c)
{
    std::vector<Point> points;
    for (const Edge &e : c.edges)
        points.push_back(e.to);
    EXPECT_EQ(c.end(), c.start) << "contour is not closed";
    const auto smallest = std::min_element(points.begin(), points.end(), [](Point a, Point b) {
        return std::pair(a.y, a.x) < std::pair(b.y, b.x);
    });
    std::rotate(points.begin(), smallest, points.end());
    return points;
}

// Twice the signed area; positive when the inside lies on the right of travel (y points down).
long long signedArea(const Contour &c)
{
    long long sum = 0;
    Point from = c.start;
    for (const Edge &e : c.edges) {
        sum += static_cast<long long>(from.x) * e.to.y - static_cast<long long>(e.to.x) * from.y;
        from = e.to;
    }
    return sum;
}

const std::vector<Point> kClockwiseSquare{{400, 400}, {2400, 400}, {2400, 1400}, {400, 1400}};

TEST(ShapeReader, EitherFillSideGivesTheSameOrientedContour)
{
    struct Case
    {
        const char *name;
        ShapeRecords records;
    };
    std::vector<Case> cases;
    {
        ShapeRecords r(1, 0); // fill on the right, clockwise
        r.change({.moveTo = Point{400, 400}, .fill1 = 1}).line(2000, 0).line(0, 1000).line(-2000, 0).line(0, -1000);
        cases.push_back({"fill1, clockwise", r});
    }
    {
        ShapeRecords r(1, 0); // fill on the left, counter-clockwise
        r.change({.moveTo = Point{400, 400}, .fill0 = 1}).line(0, 1000).line(2000, 0).line(0, -1000).line(-2000, 0);
        cases.push_back({"fill0, counter-clockwise", r});
    }
    {
        ShapeRecords r(1, 0); // fill0 run cut in two by a repeated style change
        r.change({.moveTo = Point{400, 400}, .fill0 = 1}).line(0, 1000).line(2000, 0);
        r.change({.fill0 = 1}).line(0, -1000).line(-2000, 0);
        cases.push_back({"fill0 in two runs", r});
    }
    {
        ShapeRecords r(1, 0); // second half first, joined by end points
        r.change({.moveTo = Point{2400, 1400}, .fill1 = 1}).line(-2000, 0).line(0, -1000);
        r.change({.moveTo = Point{400, 400}}).line(2000, 0).line(0, 1000);
        cases.push_back({"fill1 runs out of order", r});
    }
    {
        ShapeRecords r(1, 0); // fill0 and fill1 runs of one style mixed
        r.change({.moveTo = Point{400, 400}, .fill1 = 1}).line(2000, 0).line(0, 1000);
        r.change({.moveTo = Point{400, 400}, .fill0 = 1, .fill1 = 0}).line(0, 1000).line(2000, 0);
        cases.push_back({"fill1 half and reversed fill0 half", r});
    }
    for (Case &c : cases) {
        SCOPED_TRACE(c.name);
        const ShapeDef shape = read(shapeBody(1, {400, 2400, 400, 1400}, oneFill(), kNoLines, c.records));
        ASSERT_EQ(shape.layers.size(), 1u);
        ASSERT_EQ(shape.layers[0].fillPaths.size(), 1u);
        const FillPath &path = shape.layers[0].fillPaths[0];
        EXPECT_EQ(path.fillIndex, 0u);
        ASSERT_EQ(path.contours.size(), 1u);
        EXPECT_EQ(corners(path.contours[0]), kClockwiseSquare);
    }
}

TEST(ShapeReader, DonutKeepsItsHoleAsAReversedSecondContour)
{
    ShapeRecords r(1, 0);
    r.change({.moveTo = Point{0, 0}, .fill1 = 1}).line(3000, 0).line(0, 3000).line(-3000, 0).line(0, -3000);
    // The hole's edge, travelled clockwise, has the fill on its left.
    r.change({.moveTo = Point{1000, 1000}, .fill0 = 1, .fill1 = 0}).line(1000, 0).line(0, 1000).line(-1000, 0).line(0, -1000);
    const ShapeDef shape = read(shapeBody(1, {0, 3000, 0, 3000}, oneFill(), kNoLines, r));

    const FillPath &path = shape.layers.at(0).fillPaths.at(0);
    ASSERT_EQ(path.contours.size(), 2u);
    EXPECT_EQ(corners(path.contours[0]), (std::vector<Point>{{0, 0}, {3000, 0}, {3000, 3000}, {0, 3000}}));
    EXPECT_EQ(corners(path.contours[1]), (std::vector<Point>{{1000, 1000}, {1000, 2000}, {2000, 2000}, {2000, 1000}}));
    EXPECT_GT(signedArea(path.contours[0]), 0);
    EXPECT_LT(signedArea(path.contours[1]), 0);
}

TEST(ShapeReader, SquaresSharingAnEdgeEachGetThatEdge)
{
    // A = [0,1000]², style 1; B = [1000,2000]×[0,1000], style 2. The shared edge runs up,
    // with A on its left (fill0) and B on its right (fill1).
    ShapeRecords r(2, 0);
    r.change({.moveTo = Point{1000, 1000}, .fill0 = 1, .fill1 = 2}).line(0, -1000);
    r.change({.fill0 = 0, .fill1 = 2}).line(1000, 0).line(0, 1000).line(-1000, 0);
    r.change({.moveTo = Point{1000, 0}, .fill0 = 1, .fill1 = 0}).line(-1000, 0).line(0, 1000).line(1000, 0);
    const Bytes fills = cat({{2}, solidRgb({255, 0, 0, 255}), solidRgb({0, 0, 255, 255})});
    const ShapeDef shape = read(shapeBody(1, {0, 2000, 0, 1000}, fills, kNoLines, r));

    const ShapeLayer &layer = shape.layers.at(0);
    ASSERT_EQ(layer.fillPaths.size(), 2u);
    ASSERT_EQ(layer.fillPaths[0].contours.size(), 1u);
    ASSERT_EQ(layer.fillPaths[1].contours.size(), 1u);
    EXPECT_EQ(layer.fillPaths[0].fillIndex, 0u);
    EXPECT_EQ(layer.fillPaths[1].fillIndex, 1u);
    EXPECT_EQ(corners(layer.fillPaths[0].contours[0]), (std::vector<Point>{{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}));
    EXPECT_EQ(corners(layer.fillPaths[1].contours[0]),
              (std::vector<Point>{{1000, 0}, {2000, 0}, {2000, 1000}, {1000, 1000}}));
}

TEST(ShapeReader, CurveInAReversedRunKeepsItsControlPoint)
{
    ShapeRecords r(1, 0);
    r.change({.moveTo = Point{0, 0}, .fill0 = 1}).curve(100, 0, 0, 100).line(-100, 0).line(0, -100);
    const ShapeDef shape = read(shapeBody(1, {0, 100, 0, 100}, oneFill(), kNoLines, r));
    const Contour &c = shape.layers.at(0).fillPaths.at(0).contours.at(0);
    EXPECT_EQ(c.start, (Point{0, 0}));
    ASSERT_EQ(c.edges.size(), 3u);
    EXPECT_FALSE(c.edges[0].curve);
    EXPECT_EQ(c.edges[0].to, (Point{0, 100}));
    EXPECT_FALSE(c.edges[1].curve);
    EXPECT_EQ(c.edges[1].to, (Point{100, 100}));
    EXPECT_TRUE(c.edges[2].curve);
    EXPECT_EQ(c.edges[2].control, (Point{100, 0}));
    EXPECT_EQ(c.edges[2].to, (Point{0, 0}));
}

TEST(ShapeReader, FillPathsComeInStyleIndexOrder)
{
    ShapeRecords r(2, 0);
    r.change({.moveTo = Point{500, 0}, .fill1 = 3}).line(100, 0).line(0, 100).line(-100, 0).line(0, -100);
    r.change({.moveTo = Point{0, 0}, .fill1 = 1}).line(100, 0).line(0, 100).line(-100, 0).line(0, -100);
    const Bytes fills = cat({{3}, solidRgb({1, 1, 1, 255}), solidRgb({2, 2, 2, 255}), solidRgb({3, 3, 3, 255})});
    const ShapeDef shape = read(shapeBody(1, {0, 600, 0, 100}, fills, kNoLines, r));
    const auto &paths = shape.layers.at(0).fillPaths;
    ASSERT_EQ(paths.size(), 2u);
    EXPECT_EQ(paths[0].fillIndex, 0u);
    EXPECT_EQ(paths[0].contours.at(0).start, (Point{0, 0}));
    EXPECT_EQ(paths[1].fillIndex, 2u);
    EXPECT_EQ(paths[1].contours.at(0).start, (Point{500, 0}));
}

TEST(ShapeReader, StyleIndexPastTheArrayMeansNone)
{
    ShapeRecords r(2, 2);
    r.change({.moveTo = Point{0, 0}, .fill1 = 3, .line = 2}).line(100, 0).line(0, 100).line(-100, 0).line(0, -100);
    const Bytes lines = cat({{1}, le16(20), {0, 0, 0}});
    const ShapeDef shape = read(shapeBody(1, {0, 100, 0, 100}, oneFill(), lines, r));
    EXPECT_TRUE(shape.layers.at(0).fillPaths.empty());
    EXPECT_TRUE(shape.layers.at(0).strokePaths.empty());
}

TEST(ShapeReader, StrokesJoinAcrossFillChangesAndKeepOpenEnds)
{
    ShapeRecords r(1, 1);
    r.change({.moveTo = Point{0, 0}, .fill1 = 1, .line = 1}).line(100, 0).line(0, 100);
    r.change({.fill1 = 0}).line(-100, 0).line(0, -100); // fill ends, the line goes on
    r.change({.moveTo = Point{500, 0}}).line(100, 0);   // an open stroke
    const Bytes lines = cat({{1}, le16(40), {0, 0, 255}});
    const ShapeDef shape = read(shapeBody(1, {0, 600, 0, 100}, oneFill(), lines, r));

    const ShapeLayer &layer = shape.layers.at(0);
    ASSERT_EQ(layer.lines.size(), 1u);
    EXPECT_EQ(layer.lines[0].width, 40);
    EXPECT_EQ(layer.lines[0].colour, (Rgba{0, 0, 255, 255}));
    ASSERT_EQ(layer.strokePaths.size(), 1u);
    EXPECT_EQ(layer.strokePaths[0].lineIndex, 0u);
    const auto &contours = layer.strokePaths[0].contours;
    ASSERT_EQ(contours.size(), 2u);
    EXPECT_EQ(corners(contours[0]), (std::vector<Point>{{0, 0}, {100, 0}, {100, 100}, {0, 100}}));
    EXPECT_EQ(contours[1].start, (Point{500, 0}));
    EXPECT_EQ(contours[1].end(), (Point{600, 0}));
    // The fill saw only two edges: an open contour, closed when drawn.
    EXPECT_EQ(layer.fillPaths.at(0).contours.at(0).edges.size(), 2u);
}

TEST(ShapeReader, NewStylesStartALayerOnTopWithFreshIndices)
{
    const Bytes layer2Fills = cat({{2}, solidRgb({0, 255, 0, 255}), solidRgb({0, 0, 255, 255})});
    ShapeRecords r(2, 0); // the fields of a NewStyles record still use the old bit counts
    r.change({.moveTo = Point{0, 0}, .fill1 = 1}).line(1000, 0).line(0, 1000).line(-1000, 0).line(0, -1000);
    r.newStyles({.moveTo = Point{500, 500}, .fill1 = 2}, layer2Fills, kNoLines, 2, 0);
    r.line(1000, 0).line(0, 1000).line(-1000, 0).line(0, -1000);
    // Another set with no style fields: the index 2 of before does not carry over.
    r.newStyles({.moveTo = Point{0, 0}}, oneFill(), kNoLines, 1, 0);
    r.line(100, 0).line(0, 100).line(-100, 0);
    const ShapeDef shape = read(shapeBody(1, {0, 1500, 0, 1500}, oneFill(), kNoLines, r), kDefineShape2);

    ASSERT_EQ(shape.layers.size(), 3u);
    EXPECT_EQ(shape.layers[0].fills.at(0).colour, (Rgba{255, 0, 0, 255}));
    ASSERT_EQ(shape.layers[0].fillPaths.size(), 1u);
    EXPECT_EQ(shape.layers[0].fillPaths[0].contours.at(0).start, (Point{0, 0}));

    const ShapeLayer &top = shape.layers[1];
    ASSERT_EQ(top.fills.size(), 2u);
    ASSERT_EQ(top.fillPaths.size(), 1u);
    EXPECT_EQ(top.fillPaths[0].fillIndex, 1u);
    EXPECT_EQ(top.fills[1].colour, (Rgba{0, 0, 255, 255}));
    EXPECT_EQ(corners(top.fillPaths[0].contours.at(0)),
              (std::vector<Point>{{500, 500}, {1500, 500}, {1500, 1500}, {500, 1500}}));

    EXPECT_TRUE(shape.layers[2].fillPaths.empty());
}

TEST(ShapeReader, StyleKindsAndColourFormatsPerVersion)
{
    const Matrix gradientMatrix{0.5, 0, 0, 0.25, 100, 200};
    const Matrix bitmapMatrix{20, 0, 0, 20, -40, 0};
    const Bytes fills = cat({
        {0xFF},
        le16(4), // extended count (DefineShape2 and later)
        solidRgba({1, 2, 3, 128}),
        cat({{0x10}, matrix(gradientMatrix), {0x52 /* reflect, linear RGB, 2 records */, 0, 255, 0, 0, 255, 255, 0, 0, 255, 0}}),
        cat({{0x13}, matrix({}), {0x81 /* repeat, sRGB, 1 record */, 128, 9, 9, 9, 9}, le16(0xFFC0 /* -0.25 */)}),
        cat({{0x43}, le16(7), matrix(bitmapMatrix)}),
    });
    const Bytes lines = cat({{1}, le16(30), {10, 20, 30, 40}});
    ShapeRecords r(3, 1);
    r.change({.moveTo = Point{0, 0}, .fill1 = 4, .line = 1}).line(100, 0).line(0, 100).line(-100, 0).line(0, -100);
    const ShapeDef shape = read(shapeBody(9, {0, 100, 0, 100}, fills, lines, r), kDefineShape3);

    EXPECT_EQ(shape.id, 9);
    EXPECT_FALSE(shape.nonZeroWinding);
    const ShapeLayer &layer = shape.layers.at(0);
    ASSERT_EQ(layer.fills.size(), 4u);
    EXPECT_EQ(layer.fills[0].kind, FillKind::Solid);
    EXPECT_EQ(layer.fills[0].colour, (Rgba{1, 2, 3, 128}));

    const FillStyle &linear = layer.fills[1];
    EXPECT_EQ(linear.kind, FillKind::LinearGradient);
    EXPECT_EQ(linear.matrix, gradientMatrix);
    EXPECT_EQ(linear.gradient.spread, 1);
    EXPECT_EQ(linear.gradient.interpolation, 1);
    ASSERT_EQ(linear.gradient.records.size(), 2u);
    EXPECT_EQ(linear.gradient.records[0].ratio, 0);
    EXPECT_EQ(linear.gradient.records[0].colour, (Rgba{255, 0, 0, 255}));
    EXPECT_EQ(linear.gradient.records[1].ratio, 255);
    EXPECT_EQ(linear.gradient.records[1].colour, (Rgba{0, 0, 255, 0}));

    const FillStyle &focal = layer.fills[2];
    EXPECT_EQ(focal.kind, FillKind::FocalGradient);
    EXPECT_EQ(focal.gradient.spread, 2);
    EXPECT_EQ(focal.gradient.records.size(), 1u);
    EXPECT_DOUBLE_EQ(focal.gradient.focalPoint, -0.25);

    const FillStyle &bitmap = layer.fills[3];
    EXPECT_EQ(bitmap.kind, FillKind::ClippedBitmapHard);
    EXPECT_EQ(bitmap.bitmapId, 7);
    EXPECT_EQ(bitmap.matrix, bitmapMatrix);

    EXPECT_EQ(layer.lines.at(0).colour, (Rgba{10, 20, 30, 40}));
    EXPECT_EQ(layer.fillPaths.at(0).fillIndex, 3u);
}

TEST(ShapeReader, DefineShape4WindingRuleAndLineStyleWithFill)
{
    const Bytes lines = cat({
        {2},
        cat({le16(60), {0x28 /* join 2 (miter), has fill */, 0x00}, le16(0x0300), solidRgba({5, 6, 7, 8})}),
        cat({le16(10), {0x00, 0x00}, {11, 12, 13, 14}}),
    });
    ShapeRecords r(1, 2);
    r.change({.moveTo = Point{0, 0}, .line = 1}).line(100, 0);
    r.change({.line = 2}).line(0, 100);
    const Bytes fills = cat({{1}, solidRgba({255, 0, 0, 90})});
    const Bytes body = cat({le16(4), rect({0, 100, 0, 100}), rect({0, 100, 0, 100}), {0x04}, fills, lines, r.end()});
    const ShapeDef shape = read(body, kDefineShape4);

    EXPECT_TRUE(shape.nonZeroWinding);
    const ShapeLayer &layer = shape.layers.at(0);
    EXPECT_EQ(layer.fills.at(0).colour, (Rgba{255, 0, 0, 90}));
    ASSERT_EQ(layer.lines.size(), 2u);
    EXPECT_EQ(layer.lines[0].width, 60);
    ASSERT_TRUE(layer.lines[0].fill);
    EXPECT_EQ(layer.lines[0].fill->colour, (Rgba{5, 6, 7, 8}));
    EXPECT_EQ(layer.lines[0].colour, (Rgba{5, 6, 7, 8}));
    EXPECT_FALSE(layer.lines[1].fill);
    EXPECT_EQ(layer.lines[1].colour, (Rgba{11, 12, 13, 14}));
    ASSERT_EQ(layer.strokePaths.size(), 2u);
    EXPECT_EQ(layer.strokePaths[1].lineIndex, 1u);
}

TEST(ShapeReader, ExtendedStyleCountOnlyFromDefineShape2)
{
    // 0xFF in DefineShape means 255 styles; the tag is far too short for them.
    ShapeRecords r(0, 0);
    const Bytes body = shapeBody(1, {0, 1, 0, 1}, cat({{0xFF}, le16(0)}), kNoLines, r);
    EXPECT_THROW(read(body, kDefineShape), FormatError);
    ShapeRecords r2(0, 0);
    EXPECT_EQ(read(shapeBody(1, {0, 1, 0, 1}, cat({{0xFF}, le16(0)}), kNoLines, r2), kDefineShape2).layers.at(0).fills.size(),
              0u);
}

} // namespace
} // namespace velumo::swf
