#include "tests/swf_render/render_fixtures.h"

#include <gtest/gtest.h>

#include <vector>

namespace velumo::swf::test {
namespace {

constexpr std::uint16_t kBitmapId = 5;
constexpr Rgba kHalfWhiteOnBlack{128, 128, 128, 255};

// Red, green / blue, 50 % white: the four blocks must come out in these exact colours.
QImage twoByTwo()
{
    return blockImage(2, 2, 1, 1, {Qt::red, Qt::green, Qt::blue, QColor(255, 255, 255, 128)});
}

Movie movieWithBitmap(const QImage &image)
{
    Movie movie = stageMovie(200, 100, kBlack);
    movie.dictionary.emplace(kBitmapId, BitmapDef{kBitmapId, image});
    return movie;
}

// The 2×2 bitmap at 10× (20 twips per bitmap pixel × 10) with its top-left at (20, 20) px.
const Matrix kTenfold = scaleTranslate(200, 200, 400, 400);

QImage paintBitmapRect(const Movie &movie, FillKind kind, Rect area = Rect{400, 800, 400, 800},
                       const ColorTransform &cx = {})
{
    const ShapeDef shape = rectShape(area, bitmapFill(kind, kBitmapId, kTenfold));
    RenderNode node = shapeNode(shape, 1);
    node.colorTransform = cx;
    return paintFrame(group({node}), movie, {200, 100});
}

TEST(BitmapFill, HardClippedFillScalesToExactBlocks)
{
    const Movie movie = movieWithBitmap(twoByTwo());
    const QImage image = paintBitmapRect(movie, FillKind::ClippedBitmapHard);

    const struct
    {
        QRect block;
        Rgba colour;
    } blocks[] = {{QRect(20, 20, 10, 10), kRed},
                  {QRect(30, 20, 10, 10), kGreen},
                  {QRect(20, 30, 10, 10), kBlue},
                  {QRect(30, 30, 10, 10), kHalfWhiteOnBlack}};
    for (const auto &b : blocks) {
        for (int y = b.block.top(); y <= b.block.bottom(); ++y) {
            for (int x = b.block.left(); x <= b.block.right(); ++x)
                ASSERT_TRUE(pixelIs(image, x, y, b.colour));
        }
    }
    for (QPoint p : {QPoint(19, 20), QPoint(20, 19), QPoint(40, 39), QPoint(39, 40)})
        EXPECT_TRUE(pixelIs(image, p.x(), p.y(), kBlack));
}

TEST(BitmapFill, SmoothedClippedFillClampsAtItsEdges)
{
    // A filter that wraps around would mix the opposite edge into the border rows.
    const Movie movie = movieWithBitmap(twoByTwo());
    const QImage image = paintBitmapRect(movie, FillKind::ClippedBitmap);

    for (int i = 0; i < 5; ++i) {
        EXPECT_TRUE(pixelIs(image, 20 + i, 20, kRed)) << "first row";
        EXPECT_TRUE(pixelIs(image, 20, 20 + i, kRed)) << "first column";
        EXPECT_TRUE(pixelIs(image, 20 + i, 39, kBlue)) << "last row";
        EXPECT_TRUE(pixelIs(image, 39, 20 + i, kGreen)) << "last column";
    }
}

TEST(BitmapFill, ClippedFillStaysInsideAPathSmallerThanTheBitmap)
{
    const Movie movie = movieWithBitmap(twoByTwo());
    const QImage image = paintBitmapRect(movie, FillKind::ClippedBitmapHard, Rect{400, 600, 400, 600});

    EXPECT_TRUE(pixelIs(image, 20, 20, kRed));
    EXPECT_TRUE(pixelIs(image, 29, 29, kRed));
    EXPECT_TRUE(pixelIs(image, 30, 25, kBlack));
    EXPECT_TRUE(pixelIs(image, 25, 30, kBlack));
    EXPECT_TRUE(pixelIs(image, 35, 35, kBlack));
}

TEST(BitmapFill, RepeatingFillTilesInEveryDirection)
{
    const Movie movie = movieWithBitmap(twoByTwo());
    const QImage image = paintBitmapRect(movie, FillKind::RepeatingBitmapHard, Rect{0, 4000, 0, 2000});

    // Tiles are 20 px with corners at multiples of 20 px.
    const struct
    {
        QPoint at;
        Rgba colour;
    } samples[] = {{{25, 25}, kRed},   {{35, 25}, kGreen}, {{45, 25}, kRed},  {{5, 5}, kRed},
                   {{15, 5}, kGreen},  {{5, 15}, kBlue},   {{65, 75}, kBlue}, {{195, 95}, kHalfWhiteOnBlack},
                   {{180, 80}, kRed}};
    for (const auto &s : samples)
        EXPECT_TRUE(pixelIs(image, s.at.x(), s.at.y(), s.colour));
}

TEST(BitmapFill, SmoothingFollowsTheFillKind)
{
    struct Case
    {
        FillKind kind;
        bool smoothed;
    };
    const std::vector<Case> cases = {{FillKind::RepeatingBitmap, true},
                                     {FillKind::ClippedBitmap, true},
                                     {FillKind::RepeatingBitmapHard, false},
                                     {FillKind::ClippedBitmapHard, false}};
    const Movie movie = movieWithBitmap(twoByTwo());
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "fill kind 0x" << std::hex << int(c.kind));
        const QImage image = paintBitmapRect(movie, c.kind);
        // Last red pixel before the green block.
        const QRgb edge = image.pixel(29, 25);
        if (c.smoothed) {
            EXPECT_GT(qGreen(edge), 64);
            EXPECT_LT(qRed(edge), 192);
        } else {
            EXPECT_TRUE(pixelIs(image, 29, 25, kRed));
            EXPECT_TRUE(pixelIs(image, 30, 25, kGreen));
        }
    }
}

TEST(BitmapFill, AnIdThatNamesNoBitmapDrawsNothing)
{
    Movie movie = movieWithBitmap(twoByTwo());
    movie.dictionary.emplace(kBitmapId + 1, rectShape(Rect{0, 20, 0, 20}, solidFill(kRed), kBitmapId + 1));
    for (std::uint16_t id : {std::uint16_t(kBitmapId + 1), std::uint16_t(99)}) {
        SCOPED_TRACE(id);
        const ShapeDef shape = rectShape(Rect{400, 800, 400, 800}, bitmapFill(FillKind::ClippedBitmap, id, kTenfold));
        const QImage image = paintFrame(group({shapeNode(shape, 1)}), movie, {200, 100});
        EXPECT_TRUE(pixelIs(image, 25, 25, kBlack));
        EXPECT_TRUE(pixelIs(image, 35, 35, kBlack));
    }
}

// Red and green drop their red and gain full blue; straight alpha is kept.
ColorTransform redToBlueTransform()
{
    ColorTransform cx;
    cx.rMul = 0;
    cx.bAdd = 255;
    return cx;
}

TEST(ColourTransform, RecoloursBitmapFillsAndPictures)
{
    const QImage bitmap = twoByTwo();
    const Movie movie = movieWithBitmap(bitmap);
    const ShapeDef shape = rectShape(Rect{400, 800, 400, 800}, bitmapFill(FillKind::ClippedBitmapHard, kBitmapId, kTenfold));

    RenderNode fillNode = shapeNode(shape, 1);
    RenderNode picture = pictureNode(bitmap, 1, scaleTranslate(10, 10, 400, 400));
    for (RenderNode *node : {&fillNode, &picture}) {
        SCOPED_TRACE(node == &fillNode ? "bitmap fill" : "picture");
        node->colorTransform = redToBlueTransform();
        const QImage image = paintFrame(group({*node}), movie, {200, 100});
        // Sampled near the outer corners, where the smoothed picture is unfiltered too.
        EXPECT_TRUE(pixelIs(image, 22, 22, kBlue));
        EXPECT_TRUE(pixelIs(image, 37, 22, Rgba{0, 255, 255, 255}));
        EXPECT_TRUE(pixelIs(image, 22, 37, kBlue));
        EXPECT_TRUE(pixelIs(image, 37, 37, Rgba{0, 128, 128, 255}, 1));
    }
}

TEST(ColourTransform, AnimatedTransformsDoNotPileUpBitmapCopies)
{
    const Movie movie = movieWithBitmap(twoByTwo());
    const ShapeDef shape = rectShape(Rect{400, 800, 400, 800}, bitmapFill(FillKind::ClippedBitmapHard, kBitmapId, kTenfold));
    Renderer renderer;
    QImage target(200, 100, QImage::Format_RGB32);
    for (int frame = 0; frame < 20; ++frame) {
        RenderNode node = shapeNode(shape, 1);
        node.colorTransform.rAdd = std::int16_t(-frame * 10);
        renderer.paint(target, group({node}), movie);
        EXPECT_TRUE(pixelIs(target, 25, 25, Rgba{std::uint8_t(255 - frame * 10), 0, 0, 255}));
    }
    EXPECT_LT(renderer.cachedBitmapCount(), 10u);
}

struct PictureCase
{
    const char *name;
    Matrix matrix;
    QSize target;
    QImage::Format format;
    QRect area; // where the 20×10 picture lands, device pixels
};

TEST(PictureNode, DrawsOnePixelPerTwentyTwipsThroughItsMatrix)
{
    const std::vector<PictureCase> cases = {
        {"1:1 at the stage origin", {}, {200, 100}, QImage::Format_ARGB32_Premultiplied, QRect(0, 0, 20, 10)},
        {"scaled and moved by its node", scaleTranslate(2, 2, 400, 200), {200, 100},
         QImage::Format_ARGB32_Premultiplied, QRect(20, 10, 40, 20)},
        {"scaled by the view", {}, {400, 200}, QImage::Format_ARGB32_Premultiplied, QRect(0, 0, 40, 20)},
        {"RGB888 source", scaleTranslate(1, 1, 400, 200), {200, 100}, QImage::Format_RGB888, QRect(20, 10, 20, 10)},
        {"straight-alpha source", {}, {200, 100}, QImage::Format_ARGB32, QRect(0, 0, 20, 10)},
    };
    const Movie movie = stageMovie(200, 100, kBlack);
    const Rgba yellow{255, 255, 0, 255};
    for (const PictureCase &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage picture = blockImage(2, 2, 10, 5, {Qt::red, Qt::green, Qt::blue, Qt::yellow}, c.format);
        const QImage image = paintFrame(group({pictureNode(picture, 1, c.matrix)}), movie, c.target);

        const QRect a = c.area;
        const int halfW = a.width() / 2;
        const int halfH = a.height() / 2;
        // Block corners one pixel in from the inner seams, where filtering blends neighbours.
        EXPECT_TRUE(pixelIs(image, a.left(), a.top(), kRed));
        EXPECT_TRUE(pixelIs(image, a.left() + halfW - 2, a.top() + halfH - 2, kRed));
        EXPECT_TRUE(pixelIs(image, a.right(), a.top(), kGreen));
        EXPECT_TRUE(pixelIs(image, a.left() + halfW + 1, a.top() + halfH - 2, kGreen));
        EXPECT_TRUE(pixelIs(image, a.left(), a.bottom(), kBlue));
        EXPECT_TRUE(pixelIs(image, a.right(), a.bottom(), yellow));
        EXPECT_TRUE(pixelIs(image, a.left() + halfW + 1, a.top() + halfH + 1, yellow));
        EXPECT_TRUE(pixelIs(image, a.right() + 1, a.top(), kBlack));
        EXPECT_TRUE(pixelIs(image, a.left(), a.bottom() + 1, kBlack));
        if (a.left() > 0) {
            EXPECT_TRUE(pixelIs(image, a.left() - 1, a.top(), kBlack));
        }
    }
}

} // namespace
} // namespace velumo::swf::test

namespace velumo::swf::test {
namespace {

// The largest channel difference between two pictures of one size.
int largestDifference(const QImage &a, const QImage &b)
{
    int largest = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                std::abs(qBlue(p) - qBlue(q))});
        }
    }
    return largest;
}

TEST(StillImages, PaintedFromTheirKeptPixelsLookAsWhenDrawnDirectly)
{
    // A turned, scaled, half-faded picture over a striped one, under a round mask: the kept
    // pixels must land where the transformed picture lands, with its soft edges and its fade.
    QImage stripes(120, 80, QImage::Format_RGB32);
    for (int y = 0; y < stripes.height(); ++y)
        for (int x = 0; x < stripes.width(); ++x)
            stripes.setPixel(x, y, qRgb((x * 9) % 256, (y * 13) % 256, ((x + y) * 5) % 256));
    const QImage photo = blockImage(4, 3, 10, 10,
                                    {Qt::red, Qt::green, Qt::blue, Qt::yellow, Qt::cyan, Qt::magenta, Qt::white,
                                     Qt::black, Qt::gray, Qt::darkRed, Qt::darkGreen, Qt::darkBlue});
    Matrix turned;
    turned.a = 1.3 * std::cos(0.3);
    turned.b = 1.3 * std::sin(0.3);
    turned.c = -1.3 * std::sin(0.3);
    turned.d = 1.3 * std::cos(0.3);
    turned.tx = 700.5;
    turned.ty = 300.25;
    RenderNode faded = pictureNode(photo, 3, turned);
    faded.colorTransform = alphaTransform(160);
    const ShapeDef circle = shapeOf(solidFill(kBlack), {circleContour(1200, 800, 700)});
    RenderNode mask = shapeNode(circle, 2);
    mask.clipDepth = 3;
    const RenderNode root = group({pictureNode(stripes, 1, scaleTranslate(1.7, 1.7, 35, 12)), mask, faded});
    const Movie movie = stageMovie(200, 150);

    Renderer direct;
    const QImage once = paintFrame(direct, root, movie, {300, 225});
    Renderer kept;
    QImage last;
    for (int paint = 0; paint < 3; ++paint) // the second paint keeps, the third only lays down
        last = paintFrame(kept, root, movie, {300, 225});
    EXPECT_EQ(kept.stillImageCount(), 2u); // both pictures came from kept pixels
    EXPECT_LE(largestDifference(once, last), 2);
}

} // namespace
} // namespace velumo::swf::test
