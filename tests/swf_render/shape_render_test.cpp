#include "tests/swf_render/render_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace velumo::swf::test {
namespace {

// The red rectangle of the 200×100 px reference movie: (20, 20)-(120, 70) px.
ShapeDef redRectangle()
{
    return rectShape(Rect{400, 2400, 400, 1400}, solidFill(kRed));
}

struct ShowAllCase
{
    QSize size;
    QImage::Format format;
    QRect red;                  // device pixels expected exactly red
    std::vector<QPoint> bands;  // pixels expected in the background colour
};

TEST(ShowAll, FitsTheStageCentredWithBandsAndExactEdges)
{
    const std::vector<ShowAllCase> cases = {
        {{200, 100}, QImage::Format_RGB32, QRect(20, 20, 100, 50), {}},
        {{200, 100}, QImage::Format_ARGB32_Premultiplied, QRect(20, 20, 100, 50), {}},
        {{400, 200}, QImage::Format_RGB32, QRect(40, 40, 200, 100), {}},
        {{400, 100}, QImage::Format_RGB32, QRect(120, 20, 100, 50), {{0, 0}, {99, 50}, {300, 50}, {399, 99}}},
        {{200, 200}, QImage::Format_RGB32, QRect(20, 70, 100, 50), {{100, 0}, {100, 49}, {100, 150}, {100, 199}}},
    };
    const Movie movie = stageMovie(200, 100);
    const ShapeDef shape = redRectangle();
    const RenderNode root = group({shapeNode(shape, 1)});

    for (const ShowAllCase &c : cases) {
        SCOPED_TRACE(testing::Message() << c.size.width() << "x" << c.size.height() << " format " << c.format);
        const QImage image = paintFrame(root, movie, c.size, c.format);
        const QRect r = c.red;
        for (QPoint p : {r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight(), r.center()})
            EXPECT_TRUE(pixelIs(image, p.x(), p.y(), kRed));
        for (QPoint p : {r.topLeft() - QPoint(1, 1), r.topLeft() - QPoint(1, 0), r.topLeft() - QPoint(0, 1),
                         r.bottomRight() + QPoint(1, 1), r.bottomRight() + QPoint(1, 0), r.bottomRight() + QPoint(0, 1)})
            EXPECT_TRUE(pixelIs(image, p.x(), p.y(), kWhite));
        for (QPoint p : c.bands)
            EXPECT_TRUE(pixelIs(image, p.x(), p.y(), kWhite));
    }
}

TEST(ShowAll, TranslatesTheStageOriginAwayAndFillsWithTheBackground)
{
    Movie movie = stageMovie(200, 100, Rgba{0, 0, 128, 255});
    movie.frameSize = Rect{1000, 5000, 1000, 3000}; // 200×100 px starting at (50, 50) px
    const ShapeDef shape = rectShape(Rect{1400, 3400, 1400, 2400}, solidFill(kRed));
    const QImage image = paintFrame(group({shapeNode(shape, 1)}), movie, {200, 100});

    EXPECT_TRUE(pixelIs(image, 20, 20, kRed));
    EXPECT_TRUE(pixelIs(image, 119, 69, kRed));
    EXPECT_TRUE(pixelIs(image, 19, 19, Rgba{0, 0, 128, 255}));
    EXPECT_TRUE(pixelIs(image, 120, 70, Rgba{0, 0, 128, 255}));
    EXPECT_TRUE(pixelIs(image, 199, 99, Rgba{0, 0, 128, 255}));
}

TEST(ShowAll, ContentOffTheStageShowsInTheBands)
{
    const Movie movie = stageMovie(200, 100);
    const ShapeDef shape = rectShape(Rect{-1000, -200, 400, 1400}, solidFill(kRed)); // x -50..-10 px
    const QImage image = paintFrame(group({shapeNode(shape, 1)}), movie, {400, 100});

    EXPECT_TRUE(pixelIs(image, 50, 20, kRed));
    EXPECT_TRUE(pixelIs(image, 89, 69, kRed));
    EXPECT_TRUE(pixelIs(image, 90, 50, kWhite));
}

TEST(ShowAll, AnEmptyStageLeavesOnlyTheBackground)
{
    Movie movie = stageMovie(200, 100, kBlue);
    movie.frameSize = Rect{};
    const ShapeDef shape = redRectangle();
    const QImage image = paintFrame(group({shapeNode(shape, 1)}), movie, {200, 100});

    for (QPoint p : {QPoint(0, 0), QPoint(50, 50), QPoint(199, 99)})
        EXPECT_TRUE(pixelIs(image, p.x(), p.y(), kBlue));
}

TEST(ShapeFill, ScaledTranslatedRectangleAtHalfAlpha)
{
    const Movie movie = stageMovie(200, 100);
    const ShapeDef shape = redRectangle();
    RenderNode node = shapeNode(shape, 1, scaleTranslate(0.5, 0.5, 2000, 1000));
    node.colorTransform = alphaTransform(128);
    const QImage image = paintFrame(group({node}), movie, {200, 100});

    const Rgba faded{255, 127, 127, 255};
    for (QPoint p : {QPoint(110, 60), QPoint(159, 60), QPoint(110, 84), QPoint(159, 84), QPoint(135, 72)})
        EXPECT_TRUE(pixelIs(image, p.x(), p.y(), faded, 1));
    for (QPoint p : {QPoint(109, 60), QPoint(110, 59), QPoint(160, 84), QPoint(159, 85)})
        EXPECT_TRUE(pixelIs(image, p.x(), p.y(), kWhite));
}

// A fill of the whole 200×100 px stage with a given brush.
ShapeDef stageFill(const FillStyle &fill)
{
    return rectShape(Rect{0, 4000, 0, 2000}, fill);
}

FillStyle gradientFill(FillKind kind, const Matrix &matrix, std::vector<GradientRecord> records, std::uint8_t spread = 0)
{
    FillStyle fill;
    fill.kind = kind;
    fill.matrix = matrix;
    fill.gradient.spread = spread;
    fill.gradient.records = std::move(records);
    return fill;
}

// Red at the left end of the gradient, blue at the right: a channel value tells the position.
Rgba redToBlue(double t)
{
    return Rgba{std::uint8_t(std::lround(255 * (1 - t))), 0, std::uint8_t(std::lround(255 * t)), 255};
}

TEST(GradientFill, LinearGradientFollowsItsMatrixAndSpreadMode)
{
    struct Case
    {
        const char *name;
        std::uint8_t spread;
        double spanPx; // the gradient square's width on the stage, starting at x = 0
        int x;
        double t;      // expected position along the gradient
    };
    const std::vector<Case> cases = {
        {"pad inside", 0, 200, 50, 50.5 / 200},
        {"pad inside", 0, 200, 100, 100.5 / 200},
        {"pad inside", 0, 200, 150, 150.5 / 200},
        {"pad beyond the end", 0, 100, 150, 1.0},
        {"reflect beyond the end", 1, 100, 125, 1 - 25.5 / 100},
        {"repeat beyond the end", 2, 100, 125, 25.5 / 100},
    };
    const Movie movie = stageMovie(200, 100);
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.name << " x=" << c.x);
        const double width = c.spanPx * 20;
        const ShapeDef shape = stageFill(gradientFill(FillKind::LinearGradient,
                                                      scaleTranslate(width / 32768, 1, width / 2, 1000),
                                                      {{0, kRed}, {255, kBlue}}, c.spread));
        const QImage image = paintFrame(group({shapeNode(shape, 1)}), movie, {200, 100});
        EXPECT_TRUE(pixelIs(image, c.x, 50, redToBlue(c.t), 2));
        EXPECT_TRUE(pixelIs(image, c.x, 5, redToBlue(c.t), 2)) << "a linear gradient is constant along y";
    }
}

TEST(GradientFill, RadialGradientsFromTheCentreOrTheFocalPoint)
{
    struct Case
    {
        const char *name;
        FillKind kind;
        double focal;
        int x;
        double t;
    };
    // Radius 50 px around the stage centre (100, 50); pixel centres sit half a pixel off.
    const std::vector<Case> cases = {
        {"centre", FillKind::RadialGradient, 0, 100, std::hypot(0.5, 0.5) / 50},
        {"halfway", FillKind::RadialGradient, 0, 125, std::hypot(25.5, 0.5) / 50},
        {"outside the circle pads", FillKind::RadialGradient, 0, 170, 1.0},
        {"focal point starts the gradient", FillKind::FocalGradient, 0.5, 125, 0.0},
    };
    const Movie movie = stageMovie(200, 100);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        FillStyle fill = gradientFill(c.kind, scaleTranslate(1000.0 / 16384, 1000.0 / 16384, 2000, 1000),
                                      {{0, kRed}, {255, kBlue}});
        fill.gradient.focalPoint = c.focal;
        const ShapeDef shape = stageFill(fill);
        const QImage image = paintFrame(group({shapeNode(shape, 1)}), movie, {200, 100});
        EXPECT_TRUE(pixelIs(image, c.x, 50, redToBlue(c.t), c.kind == FillKind::FocalGradient ? 8 : 2));
    }
}

TEST(GradientFill, WithoutRecordsIsSolidBlack)
{
    const Movie movie = stageMovie(200, 100);
    const ShapeDef shape = stageFill(gradientFill(FillKind::LinearGradient, {}, {}));
    const QImage image = paintFrame(group({shapeNode(shape, 1)}), movie, {200, 100});
    EXPECT_TRUE(pixelIs(image, 10, 10, kBlack));
    EXPECT_TRUE(pixelIs(image, 190, 90, kBlack));
}

TEST(ShapeFill, HolesFollowTheFillRule)
{
    struct Case
    {
        const char *name;
        bool nonZeroWinding;
        bool innerReversed;
        bool hole;
    };
    const std::vector<Case> cases = {
        {"even-odd, reversed inner contour", false, true, true},
        {"even-odd, same direction", false, false, true},
        {"non-zero, reversed inner contour", true, true, true},
        {"non-zero, same direction", true, false, false},
    };
    const Movie movie = stageMovie(200, 100);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Contour inner = rectContour(1000, 600, 3000, 1400); // (50, 30)-(150, 70) px
        ShapeDef shape = shapeOf(solidFill(kRed), {rectContour(400, 200, 3600, 1800), c.innerReversed ? reversed(inner) : inner});
        shape.nonZeroWinding = c.nonZeroWinding;
        const QImage image = paintFrame(group({shapeNode(shape, 1)}), movie, {200, 100});

        EXPECT_TRUE(pixelIs(image, 30, 50, kRed));
        EXPECT_TRUE(pixelIs(image, 100, 50, c.hole ? kWhite : kRed));
        EXPECT_TRUE(pixelIs(image, 49, 50, kRed));
        EXPECT_TRUE(pixelIs(image, 50, 50, c.hole ? kWhite : kRed));
    }
}

TEST(ShapeFill, FillsInStyleOrderThenStrokesThenLaterLayers)
{
    ShapeDef shape;
    ShapeLayer &first = shape.layers.emplace_back();
    first.fills = {solidFill(kRed), solidFill(kBlue)};
    // Listed out of order: the style index decides, blue (1) over red (0).
    first.fillPaths = {FillPath{1, {rectContour(1000, 0, 3000, 2000)}}, FillPath{0, {rectContour(0, 0, 2000, 2000)}}};
    first.lines = {LineStyle{200, kGreen, std::nullopt}};
    first.strokePaths = {StrokePath{0, {Contour{{0, 1010}, {Edge{false, {}, {4000, 1010}}}}}}}; // y = 50.5 px
    ShapeLayer &second = shape.layers.emplace_back();
    second.fills = {solidFill(kBlack)};
    second.fillPaths = {FillPath{0, {rectContour(1400, 0, 1800, 2000)}}}; // x 70..90 px

    const QImage image = paintFrame(group({shapeNode(shape, 1)}), stageMovie(200, 100), {200, 100});
    EXPECT_TRUE(pixelIs(image, 20, 20, kRed));
    EXPECT_TRUE(pixelIs(image, 60, 20, kBlue));
    EXPECT_TRUE(pixelIs(image, 60, 50, kGreen));
    EXPECT_TRUE(pixelIs(image, 80, 50, kBlack));
    EXPECT_TRUE(pixelIs(image, 80, 20, kBlack));
}

TEST(ShapeStroke, WidthScalesButNeverDropsBelowOnePixel)
{
    struct Case
    {
        const char *name;
        std::uint16_t width; // twips
        double nodeScale;    // around the line's own y
        int firstDark;       // rows fully covered
        int lastDark;
    };
    // A horizontal line through y = 50.5 px of a 200×100 stage.
    const std::vector<Case> cases = {
        {"1 px", 20, 1, 50, 50},
        {"3 px", 60, 1, 49, 51},
        {"1 px scaled by 3", 20, 3, 49, 51},
        {"hairline", 0, 1, 50, 50},
        {"0.1 px widened to 1 px", 2, 1, 50, 50},
        {"1 px scaled by 0.2 widened to 1 px", 20, 0.2, 50, 50},
    };
    const Movie movie = stageMovie(200, 100);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ShapeDef shape;
        ShapeLayer &layer = shape.layers.emplace_back();
        layer.lines = {LineStyle{c.width, kBlack, std::nullopt}};
        layer.strokePaths = {StrokePath{0, {Contour{{-1000, 0}, {Edge{false, {}, {1000, 0}}}}}}};
        const Matrix m = scaleTranslate(c.nodeScale, c.nodeScale, 2000, 1010);
        const QImage image = paintFrame(group({shapeNode(shape, 1, m)}), movie, {200, 100});

        for (int y = c.firstDark; y <= c.lastDark; ++y)
            EXPECT_TRUE(pixelIs(image, 100, y, kBlack)) << "row " << y;
        EXPECT_TRUE(pixelIs(image, 100, c.firstDark - 1, kWhite));
        EXPECT_TRUE(pixelIs(image, 100, c.lastDark + 1, kWhite));
    }
}

TEST(ShapeStroke, RoundCapsAndJoins)
{
    ShapeDef shape;
    ShapeLayer &layer = shape.layers.emplace_back();
    layer.lines = {LineStyle{400, kBlack, std::nullopt}}; // 20 px
    // An L: right along y = 50 px from x = 50 to 150 px, then down to y = 90 px.
    layer.strokePaths = {StrokePath{0, {Contour{{1000, 1000}, {Edge{false, {}, {3000, 1000}}, Edge{false, {}, {3000, 1800}}}}}}};
    const QImage image = paintFrame(group({shapeNode(shape, 1)}), stageMovie(200, 100), {200, 100});

    EXPECT_TRUE(pixelIs(image, 42, 50, kBlack)) << "round cap past the start";
    EXPECT_TRUE(pixelIs(image, 41, 41, kWhite)) << "a square cap would cover this corner";
    EXPECT_TRUE(pixelIs(image, 155, 43, kBlack)) << "a bevel join would leave this out";
    EXPECT_TRUE(pixelIs(image, 158, 41, kWhite)) << "a miter join would cover this corner";
    EXPECT_TRUE(pixelIs(image, 150, 96, kBlack)) << "round cap past the end";
}

} // namespace
} // namespace velumo::swf::test
