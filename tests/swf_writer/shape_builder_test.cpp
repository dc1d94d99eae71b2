#include "players/swf/writer/bit_writer.h"
#include "players/swf/writer/records.h"
#include "players/swf/writer/shape_builder.h"

#include "tests/swf_writer/swf_bytes.h"

#include <gtest/gtest.h>

#include <QPointF>

#include <cmath>
#include <functional>

using namespace velumo::swf;
using namespace velumo::swf::writer;
using swf_bytes::BitReader;
using swf_bytes::hex;

namespace {

const Rgba red{255, 0, 0, 255};

// The shape of the red-rectangle movie: one solid fill, a 2000 x 1000 twip rectangle at (400, 400).
ShapeBuilder redRectangle()
{
    ShapeBuilder shape;
    shape.rectangle({400, 2400, 400, 1400}, shape.addFill(solidFill(red)));
    return shape;
}

const char *const redRectangleRecords = "15 4c 83 21 e8 7d 0e 57 d1 d1 06 1c b0 60 00";

struct DecodedEdge
{
    bool curve = false;
    int numBits = 0;
    Point control;
    Point to;
};

struct DecodedOutline
{
    Point start;
    std::uint32_t fill1 = 0;
    std::uint32_t line = 0;
    std::vector<DecodedEdge> edges;
};

// Reads back a DefineShape3 body whose styles are solid fills and plain lines.
std::vector<DecodedOutline> decodeOutlines(const Bytes &body)
{
    BitReader r(body);
    r.u16(); // id
    const int rectBits = static_cast<int>(r.ub(5));
    for (int i = 0; i < 4; ++i)
        r.sb(rectBits);
    const int fills = r.u8();
    for (int i = 0; i < fills; ++i) {
        if (r.u8() != 0)
            throw std::runtime_error("test decoder reads solid fills only");
        for (int k = 0; k < 4; ++k)
            r.u8();
    }
    const int lines = r.u8();
    for (int i = 0; i < lines * 6; ++i)
        r.u8();
    r.align();
    const int fillBits = static_cast<int>(r.ub(4));
    const int lineBits = static_cast<int>(r.ub(4));

    std::vector<DecodedOutline> outlines;
    std::uint32_t fill1 = 0, line = 0;
    Point pen;
    while (true) {
        if (r.ub(1) == 0) {
            const std::uint32_t flags = r.ub(5);
            if (flags == 0)
                break;
            if (flags & 0x10)
                throw std::runtime_error("unexpected NewStyles");
            if (flags & 0x02)
                throw std::runtime_error("unexpected FillStyle0");
            if (flags & 0x01) {
                const int bits = static_cast<int>(r.ub(5));
                pen.x = r.sb(bits);
                pen.y = r.sb(bits);
            }
            if (flags & 0x04)
                fill1 = r.ub(fillBits);
            if (flags & 0x08)
                line = r.ub(lineBits);
            if (!(flags & 0x01))
                throw std::runtime_error("style change without MoveTo");
            outlines.push_back({pen, fill1, line, {}});
            continue;
        }
        if (outlines.empty())
            throw std::runtime_error("edge before MoveTo");
        DecodedEdge edge;
        const bool straight = r.ub(1) == 1;
        edge.numBits = static_cast<int>(r.ub(4)) + 2;
        if (straight) {
            Point d;
            if (r.ub(1) == 1) {
                d.x = r.sb(edge.numBits);
                d.y = r.sb(edge.numBits);
            } else if (r.ub(1) == 1) {
                d.y = r.sb(edge.numBits);
            } else {
                d.x = r.sb(edge.numBits);
            }
            edge.to = {pen.x + d.x, pen.y + d.y};
        } else {
            edge.curve = true;
            edge.control.x = pen.x + r.sb(edge.numBits);
            edge.control.y = pen.y + r.sb(edge.numBits);
            edge.to.x = edge.control.x + r.sb(edge.numBits);
            edge.to.y = edge.control.y + r.sb(edge.numBits);
        }
        pen = edge.to;
        outlines.back().edges.push_back(edge);
    }
    if (r.byteOffset() != body.size())
        throw std::runtime_error("bytes after the end record");
    return outlines;
}

double distanceToSegment(Point p, Point a, Point b)
{
    const double dx = b.x - a.x, dy = b.y - a.y;
    const double len2 = dx * dx + dy * dy;
    double t = len2 == 0 ? 0 : ((p.x - a.x) * dx + (p.y - a.y) * dy) / len2;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(a.x + t * dx - p.x, a.y + t * dy - p.y);
}

// Twice the signed area of the polygon through the anchors; positive is clockwise on screen.
double signedArea(const DecodedOutline &o)
{
    double area = 0;
    Point p = o.start;
    for (const DecodedEdge &e : o.edges) {
        area += double(p.x) * e.to.y - double(e.to.x) * p.y;
        p = e.to;
    }
    return area;
}

TEST(ShapeBuilderTest, RedRectangleMatchesTheHandVectorInEveryShapeVersion)
{
    const ShapeBuilder shape = redRectangle();
    // DefineShape: RGB fill colour.
    EXPECT_EQ(shape.encode(1, ShapeTag::DefineShape),
              hex(std::string("01 00 | 68 64 12 c0 19 02 bc 00 | 01 00 ff 00 00 | 00 | 10 | ") + redRectangleRecords));
    // DefineShape3 (the default): the same with an alpha byte.
    EXPECT_EQ(shape.resolveTag(ShapeTag::Auto), ShapeTag::DefineShape3);
    EXPECT_EQ(shape.encode(1),
              hex(std::string("01 00 | 68 64 12 c0 19 02 bc 00 | 01 00 ff 00 00 ff | 00 | 10 | ") + redRectangleRecords));
    // DefineShape4: edge bounds and a flags byte follow the bounds.
    EXPECT_EQ(shape.encode(1, ShapeTag::DefineShape4),
              hex(std::string("01 00 | 68 64 12 c0 19 02 bc 00 | 68 64 12 c0 19 02 bc 00 | 00 | 01 00 ff 00 00 ff | 00 | 10 | ")
                  + redRectangleRecords));
}

TEST(ShapeBuilderTest, OutlinesRoundTripWithinTheEdgeLimits)
{
    struct Case
    {
        const char *what;
        std::vector<Point> polygon; // clockwise on screen
        bool split;                 // some edge is longer than one edge record holds
    };
    const Case cases[] = {
        {"one-twip square: deltas of -1 still get NumBits 2", {{0, 0}, {1, 0}, {1, 1}, {0, 1}}, false},
        {"deltas of 65535 and -65536 fit 17 bits", {{0, 0}, {65535, 0}, {65535, 65535}, {-1, 65535}}, false},
        {"horizontal edge of 200000 twips", {{0, 0}, {200000, 0}, {200000, 100}, {0, 100}}, true},
        {"long vertical edge going up", {{0, 0}, {100, -300001}, {100, 0}}, true},
        {"long diagonal edges, negative coordinates", {{-150000, -70001}, {150000, 70001}, {-150000, 70001}}, true},
        {"far from the origin", {{1000000, 1000000}, {1000020, 1000000}, {1000020, 1000020}}, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ShapeBuilder shape;
        shape.polygon(c.polygon, shape.addFill(solidFill(red)));
        const auto outlines = decodeOutlines(shape.encode(1));
        ASSERT_EQ(outlines.size(), 1u);
        const DecodedOutline &o = outlines[0];
        EXPECT_EQ(o.start, c.polygon[0]);
        EXPECT_EQ(o.fill1, 1u);
        if (c.split) {
            EXPECT_GT(o.edges.size(), c.polygon.size());
        } else {
            EXPECT_EQ(o.edges.size(), c.polygon.size());
        }

        // Walk the decoded edges: every original vertex comes back exactly, in order, and the
        // pieces of a split edge stay on that edge.
        std::size_t next = 1;
        Point from = c.polygon[0];
        for (const DecodedEdge &e : o.edges) {
            EXPECT_FALSE(e.curve);
            EXPECT_GE(e.numBits, 2);
            EXPECT_LE(e.numBits, 17);
            ASSERT_LE(next, c.polygon.size());
            const Point target = c.polygon[next % c.polygon.size()];
            EXPECT_LE(distanceToSegment(e.to, from, target), 1.5);
            if (e.to == target) {
                from = target;
                ++next;
            }
        }
        EXPECT_EQ(next, c.polygon.size() + 1) << "the outline closes on its start";
        EXPECT_GT(signedArea(o), 0);
    }
}

TEST(ShapeBuilderTest, LongCurveIsHalvedUntilItFitsAndKeepsItsEndPoints)
{
    const Point from{0, 0}, control{300000, -200000}, to{60000, 0};
    ShapeBuilder shape;
    shape.path(std::vector<Contour>{{from, {{true, control, to}}}}, shape.addFill(solidFill(red)));
    const auto outlines = decodeOutlines(shape.encode(1));
    ASSERT_EQ(outlines.size(), 1u);
    const auto &edges = outlines[0].edges;
    ASSERT_GE(edges.size(), 3u); // curve pieces + the closing line

    auto onCurve = [&](Point p) {
        double best = 1e18;
        for (int i = 0; i <= 200000; ++i) {
            const double t = i / 200000.0;
            const double x = (1 - t) * (1 - t) * from.x + 2 * t * (1 - t) * control.x + t * t * to.x;
            const double y = (1 - t) * (1 - t) * from.y + 2 * t * (1 - t) * control.y + t * t * to.y;
            best = std::min(best, std::hypot(x - p.x, y - p.y));
        }
        return best;
    };
    for (std::size_t i = 0; i + 1 < edges.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(edges[i].curve);
        EXPECT_LE(edges[i].numBits, 17);
        EXPECT_LE(onCurve(edges[i].to), 4.0);
    }
    EXPECT_EQ(edges[edges.size() - 2].to, to);
    // The open path was closed with one straight edge.
    EXPECT_FALSE(edges.back().curve);
    EXPECT_EQ(edges.back().to, from);
}

TEST(ShapeBuilderTest, PolygonIsMadeClockwise)
{
    const std::vector<Point> clockwise{{0, 0}, {1000, 0}, {1000, 500}, {0, 500}};
    const std::vector<Point> counterClockwise{{0, 0}, {0, 500}, {1000, 500}, {1000, 0}};
    ShapeBuilder a, b;
    a.polygon(clockwise, a.addFill(solidFill(red)));
    b.polygon(counterClockwise, b.addFill(solidFill(red)));
    EXPECT_EQ(a.encode(1), b.encode(1));
    EXPECT_GT(signedArea(decodeOutlines(b.encode(1))[0]), 0);
}

TEST(ShapeBuilderTest, HolesKeepTheirOrientationAndShareTheFill)
{
    // A donut: outer clockwise, inner counter-clockwise, both with fill 1 on the right.
    const Contour outer{{0, 0}, {{false, {}, {400, 0}}, {false, {}, {400, 400}}, {false, {}, {0, 400}}}};
    const Contour inner{{100, 100}, {{false, {}, {100, 300}}, {false, {}, {300, 300}}, {false, {}, {300, 100}}}};
    ShapeBuilder shape;
    shape.path(std::vector<Contour>{outer, inner}, shape.addFill(solidFill(red)));
    const auto outlines = decodeOutlines(shape.encode(1));
    ASSERT_EQ(outlines.size(), 2u);
    EXPECT_GT(signedArea(outlines[0]), 0);
    EXPECT_LT(signedArea(outlines[1]), 0);
    EXPECT_EQ(outlines[1].fill1, 1u);
    EXPECT_EQ(outlines[1].edges.size(), 4u); // closed
}

TEST(ShapeBuilderTest, EachOutlineCarriesItsStyles)
{
    ShapeBuilder shape;
    const auto fill = shape.addFill(solidFill(red));
    const auto other = shape.addFill(solidFill({0, 0, 255, 255}));
    const auto line = shape.addLine({40, {0, 0, 0, 255}, {}});
    shape.rectangle({0, 100, 0, 100}, fill);
    shape.rectangle({200, 300, 0, 100}, fill);
    shape.rectangle({400, 500, 0, 100}, other, line);
    shape.rectangle({600, 700, 0, 100}, 0, line);
    const auto outlines = decodeOutlines(shape.encode(1));
    ASSERT_EQ(outlines.size(), 4u);
    EXPECT_EQ(outlines[0].fill1, fill);
    EXPECT_EQ(outlines[0].line, 0u);
    EXPECT_EQ(outlines[1].fill1, fill);
    EXPECT_EQ(outlines[2].fill1, other);
    EXPECT_EQ(outlines[2].line, line);
    EXPECT_EQ(outlines[3].fill1, 0u);
    EXPECT_EQ(outlines[3].line, line);
}

TEST(ShapeBuilderTest, RoundedRectangleCornersLieOnCircles)
{
    const Rect r{1000, 5000, 2000, 4000};
    const std::int32_t radius = 400;
    ShapeBuilder shape;
    shape.roundedRectangle(r, radius, shape.addFill(solidFill(red)));
    EXPECT_EQ(shape.bounds(), r);
    const auto outlines = decodeOutlines(shape.encode(1));
    ASSERT_EQ(outlines.size(), 1u);
    const DecodedOutline &o = outlines[0];
    EXPECT_EQ(o.start, (Point{r.xMin + radius, r.yMin}));
    EXPECT_GT(signedArea(o), 0);
    const Point centres[] = {{r.xMax - radius, r.yMin + radius},
                             {r.xMax - radius, r.yMax - radius},
                             {r.xMin + radius, r.yMax - radius},
                             {r.xMin + radius, r.yMin + radius}};
    int curves = 0;
    for (const DecodedEdge &e : o.edges) {
        if (!e.curve)
            continue;
        const Point c = centres[curves / 2];
        EXPECT_NEAR(std::hypot(e.to.x - c.x, e.to.y - c.y), radius, 1.0) << "curve " << curves;
        ++curves;
    }
    EXPECT_EQ(curves, 8);
    EXPECT_EQ(o.edges.back().to, o.start);

    // The radius is clamped to half the shorter side; no radius is a plain rectangle.
    ShapeBuilder pill;
    pill.roundedRectangle(r, 5000, pill.addFill(solidFill(red)));
    EXPECT_EQ(pill.bounds(), r);
    const auto pillOutlines = decodeOutlines(pill.encode(1));
    int straight = 0;
    for (const DecodedEdge &e : pillOutlines.at(0).edges) {
        EXPECT_TRUE(e.to.x >= r.xMin && e.to.x <= r.xMax && e.to.y >= r.yMin && e.to.y <= r.yMax);
        straight += e.curve ? 0 : 1;
    }
    EXPECT_EQ(straight, 2) << "top and bottom; the sides shrink to nothing and are left out";
    ShapeBuilder square;
    square.roundedRectangle({400, 2400, 400, 1400}, 0, square.addFill(solidFill(red)));
    EXPECT_EQ(square.encode(1), redRectangle().encode(1));
}

TEST(ShapeBuilderTest, BoundsFollowCurvesAndStrokes)
{
    ShapeBuilder shape;
    const auto fill = shape.addFill(solidFill(red));
    // The curve bulges to y = -100 at t = 0.5, not to its control point at -200.
    shape.path(std::vector<Contour>{{{0, 0}, {{true, {100, -200}, {200, 0}}}}}, fill);
    EXPECT_EQ(shape.bounds(), (Rect{0, 200, -100, 0}));

    const auto thick = shape.addLine({41, {0, 0, 0, 255}, {}});
    shape.rectangle({1000, 2000, 1000, 2000}, 0, thick);
    EXPECT_EQ(shape.edgeBounds(), (Rect{0, 2000, -100, 2000}));
    EXPECT_EQ(shape.bounds(), (Rect{0, 2021, -100, 2021})); // half of 41, rounded up

    // DefineShape4 writes both: bounds with strokes, then edge bounds; scaling strokes flag.
    const Bytes body = shape.encode(9, ShapeTag::DefineShape4);
    BitReader r(body);
    EXPECT_EQ(r.u16(), 9);
    auto readRect = [&] {
        const int bits = static_cast<int>(r.ub(5));
        Rect out;
        out.xMin = r.sb(bits);
        out.xMax = r.sb(bits);
        out.yMin = r.sb(bits);
        out.yMax = r.sb(bits);
        r.align();
        return out;
    };
    EXPECT_EQ(readRect(), shape.bounds());
    EXPECT_EQ(readRect(), shape.edgeBounds());
    EXPECT_EQ(r.u8(), 0x01);
}

TEST(ShapeBuilderTest, TagChoice)
{
    struct Case
    {
        const char *what;
        std::function<void(ShapeBuilder &)> setUp;
        ShapeTag expected;
        int swfVersion;
    };
    const Case cases[] = {
        {"solid fill", [](ShapeBuilder &) {}, ShapeTag::DefineShape3, 3},
        {"non-zero winding", [](ShapeBuilder &s) { s.setNonZeroWinding(true); }, ShapeTag::DefineShape4, 8},
        {"filled line",
         [](ShapeBuilder &s) { s.addLine({20, {}, solidFill(red)}); },
         ShapeTag::DefineShape4, 8},
        {"focal gradient",
         [](ShapeBuilder &s) {
             FillStyle f = radialGradientFill({0, 100, 0, 100}, {{0, red}, {255, red}});
             f.kind = FillKind::FocalGradient;
             f.gradient.focalPoint = 0.5;
             s.addFill(f);
         },
         ShapeTag::DefineShape4, 8},
        {"reflecting gradient",
         [](ShapeBuilder &s) {
             FillStyle f = linearGradientFill({0, 100, 0, 100}, {{0, red}, {255, red}});
             f.gradient.spread = 1;
             s.addFill(f);
         },
         ShapeTag::DefineShape4, 8},
        {"nine gradient stops",
         [](ShapeBuilder &s) {
             s.addFill(linearGradientFill({0, 100, 0, 100}, std::vector<GradientRecord>(9, {0, red})));
         },
         ShapeTag::DefineShape3, 8},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        ShapeBuilder shape = redRectangle();
        c.setUp(shape);
        EXPECT_EQ(shape.resolveTag(ShapeTag::Auto), c.expected);
        EXPECT_EQ(shape.swfVersionNeeded(ShapeTag::Auto), c.swfVersion);
        EXPECT_NO_THROW(shape.encode(1));
        if (c.expected == ShapeTag::DefineShape4) {
            EXPECT_THROW(shape.encode(1, ShapeTag::DefineShape3), WriteError);
        }
    }
}

TEST(ShapeBuilderTest, RefusesWhatTheFormatCannotHold)
{
    const std::function<void()> cases[] = {
        [] {
            ShapeBuilder s;
            s.rectangle({0, 10, 0, 10}, 1); // no such fill
        },
        [] {
            ShapeBuilder s;
            s.addFill(solidFill(red));
            s.rectangle({0, 10, 0, 10}, 1, 1); // no such line
        },
        [] {
            ShapeBuilder s;
            s.addFill(solidFill(red));
            s.rectangle({0, 10, 0, 10}, 0, 0); // draws nothing
        },
        [] {
            ShapeBuilder s;
            s.polygon(std::vector<Point>{{0, 0}, {10, 10}}, s.addFill(solidFill(red)));
        },
        [] {
            ShapeBuilder s;
            s.rectangle({0, 1 << 30, 0, 10}, s.addFill(solidFill(red)));
        },
        [] {
            ShapeBuilder s;
            s.rectangle({0, 10, 0, 10}, s.addFill(solidFill({255, 0, 0, 128})));
            s.encode(1, ShapeTag::DefineShape2); // translucent colour in RGB
        },
        [] {
            ShapeBuilder s;
            s.rectangle({0, 10, 0, 10}, s.addFill(linearGradientFill({0, 10, 0, 10}, {})));
            s.encode(1); // a gradient without colours
        },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_THROW(cases[i](), WriteError);
    }
}

Bytes fillBytes(const FillStyle &style)
{
    BitWriter out;
    writeFillStyle(out, style, 3);
    return out.take();
}

TEST(FillStyles, BitmapFillMapsPixelsAtTwentyTwipsOntoTheTarget)
{
    // 200 x 100 px on a 4000 x 2000 twip rectangle at (400, 400): natural size, scale 20.
    EXPECT_EQ(fillBytes(bitmapFill(1, {200, 100}, {400, 4400, 400, 2400})),
              hex("41 01 00 | d9 40 00 05 00 00 0a 64 19 00"));
    // 100 x 50 px stretched over the same size: 40 twips per pixel.
    EXPECT_EQ(fillBytes(bitmapFill(7, {100, 50}, {0, 4000, 0, 2000})), hex("41 07 00 | dd 40 00 02 80 00 00 00"));
    EXPECT_EQ(bitmapFill(7, {100, 50}, {0, 4000, 0, 2000}, false).kind, FillKind::ClippedBitmapHard);
    EXPECT_THROW(bitmapFill(1, {0, 10}, {0, 10, 0, 10}), WriteError);
}

QPointF mapped(const Matrix &m, double x, double y)
{
    return {m.a * x + m.c * y + m.tx, m.b * x + m.d * y + m.ty};
}

TEST(FillStyles, GradientSquareMapsOntoTheBox)
{
    const std::vector<GradientRecord> stops{{0, red}, {255, {0, 0, 255, 255}}};
    // The box that is the gradient square itself needs the identity matrix.
    EXPECT_EQ(fillBytes(linearGradientFill({-16384, 16384, -16384, 16384}, stops)),
              hex("10 | 00 | 02 | 00 ff 00 00 ff | ff 00 00 ff ff"));

    const Rect box{0, 4000, 0, 2000};
    const Matrix linear = linearGradientFill(box, stops).matrix;
    EXPECT_EQ(mapped(linear, -16384, 0), QPointF(0, 1000));
    EXPECT_EQ(mapped(linear, 16384, 0), QPointF(4000, 1000));
    // Turned a quarter clockwise, it runs from the top edge to the bottom edge.
    const Matrix down = linearGradientFill(box, stops, 90).matrix;
    EXPECT_NEAR(mapped(down, -16384, 0).x(), 2000, 1e-9);
    EXPECT_NEAR(mapped(down, -16384, 0).y(), 0, 1e-9);
    EXPECT_NEAR(mapped(down, 16384, 0).y(), 2000, 1e-9);

    const Matrix radial = radialGradientFill(box, stops).matrix;
    EXPECT_EQ(mapped(radial, 0, 0), QPointF(2000, 1000));
    EXPECT_EQ(mapped(radial, 16384, 0), QPointF(4000, 1000));
    EXPECT_EQ(mapped(radial, 0, 16384), QPointF(2000, 2000));
}

} // namespace
