#include "tests/swf_render/render_fixtures.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace velumo::swf::test {
namespace {

TEST(ColourTransform, FadedGroupFadesEachChildOnItsOwn)
{
    const ShapeDef red = rectShape(Rect{0, 2000, 0, 2000}, solidFill(kRed));      // x 0..100 px
    const ShapeDef blue = rectShape(Rect{1000, 3000, 0, 2000}, solidFill(kBlue), 2); // x 50..150 px
    RenderNode faded = group({shapeNode(red, 1), shapeNode(blue, 2)});
    faded.colorTransform = alphaTransform(128);
    const QImage image = paintFrame(group({faded}), stageMovie(200, 100), {200, 100});

    EXPECT_TRUE(pixelIs(image, 25, 50, Rgba{255, 127, 127, 255}, 1));
    EXPECT_TRUE(pixelIs(image, 125, 50, Rgba{127, 127, 255, 255}, 1));
    // Blue at half alpha over the half-faded red: the red shows through.
    EXPECT_TRUE(pixelIs(image, 75, 50, Rgba{127, 63, 191, 255}, 2));
}

TEST(ColourTransform, ComposesChildFirstDownTheTree)
{
    struct Case
    {
        const char *name;
        ColorTransform parent;
        ColorTransform child;
        Rgba expected; // of a green rectangle over white
        int tolerance;
    };
    ColorTransform dropRed;
    dropRed.rMul = 0;
    ColorTransform addRed;
    addRed.rAdd = 255;
    ColorTransform halveRed;
    halveRed.rMul = 128;
    ColorTransform halveGreen;
    halveGreen.gMul = 128;
    const std::vector<Case> cases = {
        {"fades multiply", alphaTransform(128), alphaTransform(128), Rgba{191, 255, 191, 255}, 2},
        {"the child applies before the parent", addRed, dropRed, Rgba{255, 255, 0, 255}, 0},
        {"the parent's multiplier scales the child's offset", halveRed, addRed, Rgba{127, 255, 0, 255}, 0},
        {"a general transform under a fade", alphaTransform(128), halveGreen, Rgba{127, 191, 127, 255}, 2},
    };
    const ShapeDef green = rectShape(Rect{0, 4000, 0, 2000}, solidFill(kGreen));
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        RenderNode child = shapeNode(green, 1);
        child.colorTransform = c.child;
        RenderNode parent = group({child});
        parent.colorTransform = c.parent;
        const QImage image = paintFrame(group({parent}), stageMovie(200, 100), {200, 100});
        EXPECT_TRUE(pixelIs(image, 100, 50, c.expected, c.tolerance));
    }
}

TEST(ColourTransform, RecoloursSolidsGradientsAndStrokes)
{
    ColorTransform cx;
    cx.rMul = 128;
    cx.gAdd = 100;

    ShapeDef shape;
    ShapeLayer &layer = shape.layers.emplace_back();
    FillStyle gradient;
    gradient.kind = FillKind::LinearGradient;
    gradient.matrix = scaleTranslate(2000.0 / 32768, 1, 3000, 0); // x 100..200 px
    gradient.gradient.records = {{0, kRed}, {255, kRed}};
    layer.fills = {solidFill(kRed), gradient};
    layer.fillPaths = {FillPath{0, {rectContour(0, 0, 2000, 2000)}}, FillPath{1, {rectContour(2000, 0, 4000, 2000)}}};
    layer.lines = {LineStyle{200, kRed, std::nullopt}};
    layer.strokePaths = {StrokePath{0, {Contour{{0, 200}, {Edge{false, {}, {4000, 200}}}}}}}; // y = 10 px
    RenderNode node = shapeNode(shape, 1);
    node.colorTransform = cx;
    const QImage image = paintFrame(group({node}), stageMovie(200, 100), {200, 100});

    const Rgba expected{127, 100, 0, 255};
    EXPECT_TRUE(pixelIs(image, 50, 50, expected)) << "solid";
    EXPECT_TRUE(pixelIs(image, 150, 50, expected, 1)) << "gradient";
    EXPECT_TRUE(pixelIs(image, 50, 10, expected)) << "stroke";
}

// Two red rectangles, the left (depth 2) and right (depth 3) halves, under a mask (depth 1,
// clipDepth 3), then an unmasked blue strip (depth 4) along the bottom.
struct MaskCase
{
    const char *name;
    std::function<RenderNode()> mask;
    std::vector<QPoint> inside;
    std::vector<QPoint> outside;
};

TEST(Mask, ClipsTheFollowingSiblingsUpToItsClipDepth)
{
    const ShapeDef square = rectShape(Rect{400, 1000, 400, 1000}, solidFill(kGreen));       // (20..50) px
    const ShapeDef otherSquare = rectShape(Rect{2000, 2600, 400, 1000}, solidFill(kGreen), 2); // (100..130, 20..50)
    const ShapeDef circle = shapeOf(solidFill(kGreen), {circleContour(3000, 1000, 400)}, 3);  // r 20 px at (150, 50)
    const ShapeDef redLeft = rectShape(Rect{0, 2000, 0, 1600}, solidFill(kRed), 4);
    const ShapeDef redRight = rectShape(Rect{2000, 4000, 0, 1600}, solidFill(kRed), 5);
    const ShapeDef blue = rectShape(Rect{0, 4000, 1600, 2000}, solidFill(kBlue), 6);
    const QImage photo = blockImage(1, 1, 10, 10, {Qt::green});

    auto asMask = [](RenderNode node) {
        node.depth = 1;
        node.clipDepth = 3;
        return node;
    };
    const std::vector<MaskCase> cases = {
        {"a shape", [&] { return asMask(shapeNode(square, 1)); }, {{20, 20}, {49, 49}}, {{19, 30}, {50, 30}, {100, 30}}},
        {"a moved shape", [&] { return asMask(shapeNode(square, 1, scaleTranslate(1, 1, 400, 0))); },
         {{40, 20}, {69, 49}}, {{39, 30}, {70, 30}}},
        {"a curved shape", [&] { return asMask(shapeNode(circle, 1)); }, {{150, 50}, {135, 50}, {164, 50}},
         {{150, 25}, {131, 31}, {120, 50}}},
        {"a group of two shapes", [&] { return asMask(group({shapeNode(square, 1), shapeNode(otherSquare, 2)})); },
         {{30, 30}, {110, 30}}, {{70, 30}, {140, 30}}},
        {"an empty group", [&] { return asMask(group({})); }, {}, {{30, 30}, {110, 30}}},
        {"a picture", [&] { return asMask(pictureNode(photo, 1, scaleTranslate(1, 1, 400, 400))); },
         {{20, 20}, {29, 29}}, {{30, 25}, {25, 30}}},
        {"an invisible shape", [&] {
             RenderNode node = asMask(shapeNode(square, 1));
             node.visible = false;
             return node;
         },
         {{20, 20}, {49, 49}}, {{50, 30}}},
    };
    for (const MaskCase &c : cases) {
        SCOPED_TRACE(c.name);
        const RenderNode root = group({c.mask(), shapeNode(redLeft, 2), shapeNode(redRight, 3), shapeNode(blue, 4)});
        const QImage image = paintFrame(root, stageMovie(200, 100), {200, 100});
        for (QPoint p : c.inside)
            EXPECT_TRUE(pixelIs(image, p.x(), p.y(), kRed)) << "masked in";
        for (QPoint p : c.outside)
            EXPECT_TRUE(pixelIs(image, p.x(), p.y(), kWhite)) << "masked out, and the mask itself is not drawn";
        EXPECT_TRUE(pixelIs(image, 10, 90, kBlue)) << "depth 4 lies past the clip depth";
        EXPECT_TRUE(pixelIs(image, 190, 90, kBlue));
    }
}

TEST(Mask, ClipsWholeGroupsAndNestsWithInnerMasks)
{
    const ShapeDef left = rectShape(Rect{0, 2000, 0, 2000}, solidFill(kGreen));          // x 0..100 px
    const ShapeDef top = rectShape(Rect{0, 4000, 0, 1000}, solidFill(kGreen), 2);         // y 0..50 px
    const ShapeDef red = rectShape(Rect{0, 4000, 0, 2000}, solidFill(kRed), 3);
    RenderNode outerMask = shapeNode(left, 1);
    outerMask.clipDepth = 5;
    RenderNode innerMask = shapeNode(top, 1);
    innerMask.clipDepth = 2;
    const RenderNode root = group({outerMask, group({innerMask, shapeNode(red, 2)}, 3)});
    const QImage image = paintFrame(root, stageMovie(200, 100), {200, 100});

    EXPECT_TRUE(pixelIs(image, 50, 25, kRed));
    EXPECT_TRUE(pixelIs(image, 150, 25, kWhite)) << "outer mask";
    EXPECT_TRUE(pixelIs(image, 50, 75, kWhite)) << "inner mask";
}

TEST(Visibility, InvisibleNodesAndTheirChildrenAreSkipped)
{
    const ShapeDef red = rectShape(Rect{0, 2000, 0, 2000}, solidFill(kRed));
    const QImage photo = blockImage(1, 1, 10, 10, {Qt::blue});
    RenderNode hiddenShape = shapeNode(red, 1);
    hiddenShape.visible = false;
    RenderNode hiddenPicture = pictureNode(photo, 2, scaleTranslate(1, 1, 2400, 0));
    hiddenPicture.visible = false;
    RenderNode hiddenGroup = group({shapeNode(red, 1, scaleTranslate(1, 1, 2000, 0))}, 3);
    hiddenGroup.visible = false;
    const RenderNode shown = shapeNode(red, 4, scaleTranslate(0.1, 0.1, 0, 1600));

    const QImage image = paintFrame(group({hiddenShape, hiddenPicture, hiddenGroup, shown}), stageMovie(200, 100), {200, 100});
    EXPECT_TRUE(pixelIs(image, 50, 50, kWhite));
    EXPECT_TRUE(pixelIs(image, 125, 5, kWhite));
    EXPECT_TRUE(pixelIs(image, 150, 50, kWhite));
    EXPECT_TRUE(pixelIs(image, 5, 85, kRed)) << "the visible sibling still draws";
}

TEST(ShapeCacheTest, AShapeReplacedAtTheSameAddressIsRebuilt)
{
    Renderer renderer;
    const Movie movie = stageMovie(200, 100);
    ShapeDef shape = rectShape(Rect{0, 1000, 0, 1000}, solidFill(kRed), 1);
    const RenderNode root = group({shapeNode(shape, 1)});
    QImage image = paintFrame(renderer, root, movie, {200, 100});
    EXPECT_TRUE(pixelIs(image, 25, 25, kRed));

    shape = rectShape(Rect{2000, 3000, 0, 1000}, solidFill(kBlue), 2);
    image = paintFrame(renderer, root, movie, {200, 100});
    EXPECT_TRUE(pixelIs(image, 25, 25, kWhite));
    EXPECT_TRUE(pixelIs(image, 125, 25, kBlue));
}

} // namespace
} // namespace velumo::swf::test
