#include "tests/swf_render/render_fixtures.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velumo::swf::test {

Contour rectContour(int x0, int y0, int x1, int y1)
{
    Contour c;
    c.start = {x0, y0};
    c.edges = {Edge{false, {}, {x1, y0}}, Edge{false, {}, {x1, y1}}, Edge{false, {}, {x0, y1}},
               Edge{false, {}, {x0, y0}}};
    return c;
}

Contour reversed(const Contour &contour)
{
    Contour out;
    out.start = contour.end();
    for (std::size_t i = contour.edges.size(); i-- > 0;) {
        const Point to = i == 0 ? contour.start : contour.edges[i - 1].to;
        out.edges.push_back(Edge{contour.edges[i].curve, contour.edges[i].control, to});
    }
    return out;
}

Contour circleContour(int cx, int cy, int radius)
{
    // Eight quadratic arcs; each control point sits where the end tangents meet.
    constexpr int kArcs = 8;
    const double step = 2 * std::numbers::pi / kArcs;
    const double controlRadius = radius / std::cos(step / 2);
    auto at = [&](double angle, double r) {
        return Point{cx + int(std::lround(r * std::cos(angle))), cy + int(std::lround(r * std::sin(angle)))};
    };
    Contour c;
    c.start = at(0, radius);
    for (int i = 0; i < kArcs; ++i)
        c.edges.push_back(Edge{true, at((i + 0.5) * step, controlRadius), i + 1 == kArcs ? c.start : at((i + 1) * step, radius)});
    return c;
}

FillStyle solidFill(Rgba colour)
{
    FillStyle f;
    f.kind = FillKind::Solid;
    f.colour = colour;
    return f;
}

FillStyle bitmapFill(FillKind kind, std::uint16_t bitmapId, const Matrix &matrix)
{
    FillStyle f;
    f.kind = kind;
    f.bitmapId = bitmapId;
    f.matrix = matrix;
    return f;
}

ShapeDef shapeOf(const FillStyle &fill, std::initializer_list<Contour> contours, std::uint16_t id)
{
    ShapeDef shape;
    shape.id = id;
    ShapeLayer &layer = shape.layers.emplace_back();
    layer.fills.push_back(fill);
    layer.fillPaths.push_back(FillPath{0, contours});
    return shape;
}

ShapeDef rectShape(Rect r, const FillStyle &fill, std::uint16_t id)
{
    ShapeDef shape = shapeOf(fill, {rectContour(r.xMin, r.yMin, r.xMax, r.yMax)}, id);
    shape.bounds = r;
    return shape;
}

Matrix scaleTranslate(double sx, double sy, double tx, double ty)
{
    Matrix m;
    m.a = sx;
    m.d = sy;
    m.tx = tx;
    m.ty = ty;
    return m;
}

RenderNode group(std::vector<RenderNode> children, int depth)
{
    RenderNode node;
    node.kind = RenderNode::Kind::Group;
    node.depth = depth;
    node.children = std::move(children);
    return node;
}

RenderNode shapeNode(const ShapeDef &shape, int depth, const Matrix &matrix)
{
    RenderNode node;
    node.kind = RenderNode::Kind::Shape;
    node.shape = &shape;
    node.depth = depth;
    node.matrix = matrix;
    return node;
}

RenderNode pictureNode(const QImage &picture, int depth, const Matrix &matrix)
{
    RenderNode node;
    node.kind = RenderNode::Kind::Picture;
    node.picture = &picture;
    node.depth = depth;
    node.matrix = matrix;
    return node;
}

ColorTransform alphaTransform(int aMul)
{
    ColorTransform cx;
    cx.aMul = std::int16_t(aMul);
    return cx;
}

Movie stageMovie(int widthPx, int heightPx, Rgba background)
{
    Movie movie;
    movie.version = 8;
    movie.frameSize = Rect{0, widthPx * 20, 0, heightPx * 20};
    movie.background = background;
    return movie;
}

QImage paintFrame(Renderer &renderer, const RenderNode &root, const Movie &movie, QSize size, QImage::Format format)
{
    QImage image(size, format);
    image.fill(kUnpainted);
    renderer.paint(image, root, movie);
    return image;
}

QImage paintFrame(const RenderNode &root, const Movie &movie, QSize size, QImage::Format format)
{
    Renderer renderer;
    return paintFrame(renderer, root, movie, size, format);
}

::testing::AssertionResult pixelIs(const QImage &image, int x, int y, Rgba expected, int tolerance)
{
    if (!image.valid(x, y))
        return ::testing::AssertionFailure() << "(" << x << ", " << y << ") lies outside the image";
    const QRgb p = image.pixel(x, y);
    const int got[4] = {qRed(p), qGreen(p), qBlue(p), qAlpha(p)};
    const int want[4] = {expected.r, expected.g, expected.b, expected.a};
    for (int i = 0; i < 4; ++i) {
        if (std::abs(got[i] - want[i]) > tolerance) {
            return ::testing::AssertionFailure()
                   << "pixel (" << x << ", " << y << ") is rgba(" << got[0] << ", " << got[1] << ", " << got[2] << ", "
                   << got[3] << "), expected rgba(" << want[0] << ", " << want[1] << ", " << want[2] << ", " << want[3]
                   << ") ±" << tolerance;
        }
    }
    return ::testing::AssertionSuccess();
}

QImage blockImage(int columns, int rows, int blockW, int blockH, std::initializer_list<QColor> colours,
                  QImage::Format format)
{
    QImage image(columns * blockW, rows * blockH, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    int i = 0;
    for (const QColor &colour : colours) {
        painter.fillRect(QRect((i % columns) * blockW, (i / columns) * blockH, blockW, blockH), colour);
        ++i;
    }
    painter.end();
    return image.convertToFormat(format);
}

} // namespace velumo::swf::test
