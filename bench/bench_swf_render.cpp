// Painting one typical template frame: a 1920×1080 px stage with a full-stage background
// bitmap, a rotated decoration and a banner (bitmap-filled shapes), and two 1280×720 photos
// loaded into placeholder clips, one of them fading in.

#include "players/swf/model.h"
#include "players/swf/render/renderer.h"
#include "players/swf/render_tree.h"

#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <random>

namespace {

using namespace velumo::swf;

// A photo-like image: smooth gradients under per-pixel noise, so that it neither compresses
// into flat runs nor filters into flat colour.
QImage photo(int width, int height, unsigned seed, QColor from, QColor to)
{
    QImage image(width, height, QImage::Format_RGB32);
    {
        QPainter painter(&image);
        QLinearGradient sky(0, 0, width, height);
        sky.setColorAt(0, from);
        sky.setColorAt(1, to);
        painter.fillRect(image.rect(), sky);
        QRadialGradient sun(width * 0.7, height * 0.3, height * 0.4);
        sun.setColorAt(0, QColor(255, 240, 200, 220));
        sun.setColorAt(1, QColor(255, 240, 200, 0));
        painter.fillRect(image.rect(), sun);
    }
    std::mt19937 random(seed);
    std::uniform_int_distribution<int> noise(-12, 12);
    for (int y = 0; y < height; ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const int n = noise(random);
            const QRgb p = line[x];
            line[x] = qRgb(std::clamp(qRed(p) + n, 0, 255), std::clamp(qGreen(p) + n, 0, 255),
                           std::clamp(qBlue(p) + n, 0, 255));
        }
    }
    return image;
}

// A bitmap with transparent margins, as decorations usually have.
QImage decoration(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(QColor(200, 60, 90, 230));
    painter.setPen(QPen(QColor(255, 255, 255), 8));
    painter.drawRoundedRect(QRectF(10, 10, width - 20, height - 20), 40, 40);
    return image;
}

Matrix transform(double scale, double degrees, double txPx, double tyPx)
{
    const double r = degrees * std::numbers::pi / 180;
    return Matrix{scale * std::cos(r), scale * std::sin(r), -scale * std::sin(r), scale * std::cos(r), txPx * 20,
                  tyPx * 20};
}

// A rectangle exactly covering bitmap `id` at 20 twips per pixel: what the template tool writes.
ShapeDef bitmapRect(std::uint16_t id, std::uint16_t bitmapId, QSize size)
{
    const int w = size.width() * 20;
    const int h = size.height() * 20;
    ShapeDef shape;
    shape.id = id;
    shape.bounds = Rect{0, w, 0, h};
    ShapeLayer &layer = shape.layers.emplace_back();
    FillStyle fill;
    fill.kind = FillKind::ClippedBitmap;
    fill.bitmapId = bitmapId;
    fill.matrix = Matrix{20, 0, 0, 20, 0, 0};
    layer.fills.push_back(fill);
    Contour c;
    c.start = {0, 0};
    c.edges = {Edge{false, {}, {w, 0}}, Edge{false, {}, {w, h}}, Edge{false, {}, {0, h}}, Edge{false, {}, {0, 0}}};
    layer.fillPaths.push_back(FillPath{0, {c}});
    return shape;
}

struct TemplateFrame
{
    Movie movie;
    QImage photo1 = photo(1280, 720, 1, QColor(40, 90, 160), QColor(230, 180, 120));
    QImage photo2 = photo(1280, 720, 2, QColor(20, 120, 60), QColor(240, 230, 200));
    RenderNode root;

    TemplateFrame()
    {
        movie.version = 8;
        movie.frameSize = Rect{0, 1920 * 20, 0, 1080 * 20};
        movie.background = Rgba{0, 0, 0, 255};
        const QImage background = photo(960, 540, 3, QColor(250, 245, 235), QColor(210, 200, 190));
        const QImage ornament = decoration(480, 360);
        const QImage banner = decoration(900, 160);
        movie.dictionary.emplace(1, BitmapDef{1, background});
        movie.dictionary.emplace(2, BitmapDef{2, ornament});
        movie.dictionary.emplace(3, BitmapDef{3, banner});
        movie.dictionary.emplace(11, bitmapRect(11, 1, background.size()));
        movie.dictionary.emplace(12, bitmapRect(12, 2, ornament.size()));
        movie.dictionary.emplace(13, bitmapRect(13, 3, banner.size()));

        auto shape = [this](std::uint16_t id, int depth, const Matrix &m) {
            RenderNode node;
            node.kind = RenderNode::Kind::Shape;
            node.shape = &std::get<ShapeDef>(movie.dictionary.at(id));
            node.depth = depth;
            node.matrix = m;
            return node;
        };
        // A placeholder clip holding a loaded picture at its origin.
        auto placeholder = [](const QImage &picture, int depth, const Matrix &m) {
            RenderNode clip;
            clip.depth = depth;
            clip.matrix = m;
            RenderNode child;
            child.kind = RenderNode::Kind::Picture;
            child.picture = &picture;
            child.depth = 1;
            clip.children.push_back(child);
            return clip;
        };

        root.children.push_back(shape(11, 1, transform(2, 0, 0, 0)));
        RenderNode fadingIn = placeholder(photo1, 2, transform(1, 0, 80, 60));
        fadingIn.colorTransform.aMul = 180;
        root.children.push_back(fadingIn);
        root.children.push_back(placeholder(photo2, 3, transform(0.55, 0, 1150, 560)));
        root.children.push_back(shape(12, 4, transform(1, 8, 1350, 40)));
        root.children.push_back(shape(13, 5, transform(1, 0, 510, 880)));
    }
};

void BM_PaintTemplateFrame(benchmark::State &state)
{
    static const TemplateFrame frame;
    QImage target(int(state.range(0)), int(state.range(1)), QImage::Format_RGB32);
    Renderer renderer;
    renderer.paint(target, frame.root, frame.movie); // caches warm, as from the second frame on
    for (auto _ : state) {
        renderer.paint(target, frame.root, frame.movie);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintTemplateFrame)->Args({1280, 720})->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime(); // Qt may hand scanlines to its own threads: count their work too

// A fade to white on the large photo: a new colour transform every frame, so every frame pays
// for a recoloured copy of the photo.
void BM_PaintFrameWithAnimatedColourTransform(benchmark::State &state)
{
    static const TemplateFrame frame;
    RenderNode root = frame.root;
    ColorTransform &fade = root.children[1].colorTransform;
    QImage target(int(state.range(0)), int(state.range(1)), QImage::Format_RGB32);
    Renderer renderer;
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 256;
        fade.rAdd = fade.gAdd = fade.bAdd = std::int16_t(step);
        renderer.paint(target, root, frame.movie);
        benchmark::DoNotOptimize(target.constBits());
    }
}
BENCHMARK(BM_PaintFrameWithAnimatedColourTransform)
    ->Args({1280, 720})
    ->Args({1920, 1080})
    ->Unit(benchmark::kMillisecond)
    ->MeasureProcessCPUTime();

} // namespace

BENCHMARK_MAIN();
