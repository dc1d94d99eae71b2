#include "players/swf/render/renderer.h"

#include "players/swf/render/fill_style.h"
#include "players/swf/render/view_transform.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace velumo::swf {

// How a node's composed colour transform is drawn. SWF movies apply it to each drawing on its
// own (no group compositing), so an alpha multiplier is just the painter's opacity; what else
// the transform does recolours the colours (and bitmaps) themselves.
struct Renderer::Tint
{
    ColorTransform cx; // applied to colours; its alpha multiplier moved into `opacity` when possible
    bool recolour = false;
    double opacity = 1;
    bool hidden = false;

    explicit Tint(const ColorTransform &transform)
        : cx(transform)
    {
        // The transform is monotonic in alpha: if both ends vanish, everything does.
        hidden = cx.apply(Rgba{0, 0, 0, 0}).a == 0 && cx.apply(Rgba{0, 0, 0, 255}).a == 0;
        if (cx.aAdd == 0 && cx.aMul >= 0 && cx.aMul <= 256) {
            opacity = cx.aMul / 256.0;
            cx.aMul = 256;
        }
        recolour = !cx.isIdentity();
    }
};

namespace {

constexpr double kTwipsPerPixel = 20.0;
// How far (twips) a clipped bitmap's corners may sit from its fill path's corners for the path
// to count as the bitmap's own rectangle.
constexpr double kQuadTolerance = 1.0;

Quad corners(const QTransform &t, QSize size)
{
    const double w = size.width();
    const double h = size.height();
    return {t.map(QPointF(0, 0)), t.map(QPointF(w, 0)), t.map(QPointF(w, h)), t.map(QPointF(0, h))};
}

} // namespace

void Renderer::paint(QImage &target, const RenderNode &root, const Movie &movie)
{
    paintRegion(target, root, movie, target.rect());
}

void Renderer::paintRegion(QImage &target, const RenderNode &root, const Movie &movie, const QRect &region)
{
    const QRect area = region.intersected(target.rect());
    if (area.isEmpty())
        return;
    QPainter painter(&target);
    painter.setClipRect(area);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(area, toQColor(movie.background));
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    if (const std::optional<QTransform> view = showAllTransform(movie.frameSize, target.size())) {
        painter.setRenderHint(QPainter::Antialiasing);
        m_painter = &painter;
        m_movie = &movie;
        m_area = area;
        drawNode(root, *view, ColorTransform{});
        m_painter = nullptr;
        m_movie = nullptr;
        m_masks.clear();
    }
    m_bitmaps.endPaint();
    m_stills.endPaint();
}

void Renderer::clearCache()
{
    m_shapes.clear();
    m_bitmaps.clear();
    m_stills.clear();
}

void Renderer::drawNode(const RenderNode &node, const QTransform &parent, const ColorTransform &parentCx)
{
    if (!node.visible || node.clipDepth > 0)
        return;
    const QTransform t = toQTransform(node.matrix) * parent;
    if (!t.isInvertible()) // squashed flat: nothing shows
        return;
    const ColorTransform cx =
        node.colorTransform.isIdentity() ? parentCx : ColorTransform::concat(node.colorTransform, parentCx);

    switch (node.kind) {
    case RenderNode::Kind::Group:
        drawChildren(node.children, t, cx);
        break;
    case RenderNode::Kind::Shape:
        if (node.shape)
            drawShape(*node.shape, t, Tint(cx));
        break;
    case RenderNode::Kind::Picture:
        if (node.picture && !node.picture->isNull())
            drawPicture(*node.picture, t, Tint(cx));
        break;
    }
}

void Renderer::drawChildren(const std::vector<RenderNode> &children, const QTransform &t, const ColorTransform &cx)
{
    // Masks of this level live at m_masks[base..]; the outer levels' masks are already in the
    // painter's clip.
    const std::size_t base = m_masks.size();
    for (const RenderNode &child : children) {
        const auto expired = std::remove_if(m_masks.begin() + std::ptrdiff_t(base), m_masks.end(),
                                            [&](const Mask &mask) { return mask.node->clipDepth < child.depth; });
        m_masks.erase(expired, m_masks.end());

        if (child.clipDepth > 0) {
            // A mask works whatever its visibility: it is never drawn anyway.
            m_masks.push_back({&child, t, std::nullopt});
            continue;
        }
        if (!child.visible)
            continue;
        if (m_masks.size() == base) {
            drawNode(child, t, cx);
            continue;
        }
        m_painter->save();
        for (std::size_t i = base; i < m_masks.size(); ++i)
            applyMask(m_masks[i]);
        drawNode(child, t, cx);
        m_painter->restore();
    }
    m_masks.resize(base);
}

void Renderer::applyMask(Mask &mask)
{
    if (mask.united) {
        m_painter->resetTransform();
        m_painter->setClipPath(*mask.united, Qt::IntersectClip);
        return;
    }
    m_maskPieces.clear();
    collectMaskPieces(*mask.node, mask.parent);

    if (m_maskPieces.empty()) {
        m_painter->setClipRect(QRect(), Qt::IntersectClip); // an empty mask hides everything
        return;
    }
    if (m_maskPieces.size() == 1) {
        const MaskPiece &piece = m_maskPieces.front();
        m_painter->setTransform(piece.transform);
        if (piece.path)
            m_painter->setClipPath(*piece.path, Qt::IntersectClip);
        else
            m_painter->setClipRect(QRectF(QPointF(0, 0), piece.picture->size()), Qt::IntersectClip);
        return;
    }
    // Qt cannot unite clips, so several pieces become one device-space path, built once for
    // all the siblings the mask covers.
    QPainterPath united;
    for (const MaskPiece &piece : m_maskPieces) {
        QPainterPath path;
        if (piece.path) {
            path = piece.transform.map(*piece.path);
        } else {
            path.addPolygon(piece.transform.map(QPolygonF(QRectF(QPointF(0, 0), piece.picture->size()))));
            path.closeSubpath();
        }
        united = united.isEmpty() ? path : united.united(path);
    }
    mask.united = std::move(united);
    m_painter->resetTransform();
    m_painter->setClipPath(*mask.united, Qt::IntersectClip);
}

void Renderer::collectMaskPieces(const RenderNode &node, const QTransform &parent)
{
    const QTransform t = toQTransform(node.matrix) * parent;
    switch (node.kind) {
    case RenderNode::Kind::Group:
        for (const RenderNode &child : node.children) {
            if (child.clipDepth == 0) // masks inside a mask draw nothing, so they add nothing
                collectMaskPieces(child, t);
        }
        break;
    case RenderNode::Kind::Shape:
        if (node.shape) {
            const QPainterPath &path = m_shapes.get(*node.shape).maskPath();
            if (!path.isEmpty())
                m_maskPieces.push_back({&path, nullptr, t});
        }
        break;
    case RenderNode::Kind::Picture:
        if (node.picture && !node.picture->isNull())
            m_maskPieces.push_back({nullptr, node.picture, QTransform::fromScale(kTwipsPerPixel, kTwipsPerPixel) * t});
        break;
    }
}

void Renderer::drawShape(const ShapeDef &shape, const QTransform &t, const Tint &tint)
{
    if (tint.hidden)
        return;
    const CachedShape &cached = m_shapes.get(shape);
    m_painter->setTransform(t);
    m_painter->setOpacity(tint.opacity);
    for (const CachedLayer &layer : cached.layers) {
        for (const CachedFill &fill : layer.fills)
            drawFill(fill, t, tint);
        for (const CachedStroke &stroke : layer.strokes)
            drawStroke(stroke, t, tint);
    }
}

const QImage *Renderer::bitmap(std::uint16_t id, const Tint &tint)
{
    const auto it = m_movie->dictionary.find(id);
    if (it == m_movie->dictionary.end())
        return nullptr;
    const auto *def = std::get_if<BitmapDef>(&it->second);
    if (!def || def->image.isNull())
        return nullptr;
    return tint.recolour ? &m_bitmaps.recoloured(def->image, tint.cx) : &m_bitmaps.drawable(def->image);
}

QBrush Renderer::bitmapBrush(const FillStyle &style, const Tint &tint)
{
    const QImage *image = bitmap(style.bitmapId, tint);
    if (!image)
        return QBrush(Qt::NoBrush);
    QBrush brush(*image);
    brush.setTransform(toQTransform(style.matrix));
    return brush;
}

void Renderer::drawFill(const CachedFill &fill, const QTransform &t, const Tint &tint)
{
    const FillStyle &style = *fill.style;
    if (!isBitmapFill(style.kind)) {
        m_painter->fillPath(fill.path, tint.recolour ? vectorBrush(style, tint.cx) : fill.brush);
        return;
    }

    const QTransform fillMatrix = toQTransform(style.matrix);
    if (!fillMatrix.isInvertible())
        return;
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, isSmoothedBitmapFill(style.kind));

    if (!isClippedBitmapFill(style.kind)) {
        const QBrush brush = bitmapBrush(style, tint);
        if (brush.style() != Qt::NoBrush)
            m_painter->fillPath(fill.path, brush);
        return;
    }

    // A texture brush wraps at the edges when filtered (a seam of the opposite edge's colour
    // along the border); drawImage clamps, which is what a clipped fill needs.
    const QImage *image = bitmap(style.bitmapId, tint);
    if (!image)
        return;
    const bool smooth = isSmoothedBitmapFill(style.kind);
    const bool wholeImage = fill.quad && sameQuad(*fill.quad, corners(fillMatrix, image->size()), kQuadTolerance);
    if (wholeImage) {
        drawTransformedImage(*image, fillMatrix * t, smooth);
        m_painter->setTransform(t);
        return;
    }
    m_painter->save();
    m_painter->setClipPath(fill.path, Qt::IntersectClip);
    drawTransformedImage(*image, fillMatrix * t, smooth);
    m_painter->restore();
}

void Renderer::drawStroke(const CachedStroke &stroke, const QTransform &t, const Tint &tint)
{
    const LineStyle &style = *stroke.style;
    QBrush brush;
    if (!style.fill) {
        brush = QBrush(toQColor(tint.cx.apply(style.colour)));
    } else if (isBitmapFill(style.fill->kind)) {
        m_painter->setRenderHint(QPainter::SmoothPixmapTransform, isSmoothedBitmapFill(style.fill->kind));
        brush = bitmapBrush(*style.fill, tint);
    } else {
        brush = vectorBrush(*style.fill, tint.cx);
    }
    if (brush.style() == Qt::NoBrush)
        return;

    // Widths scale with the matrix, but never below one device pixel (0 is a hairline).
    const double scale = std::sqrt(std::abs(t.determinant()));
    QPen pen(brush, style.width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    if (style.width * scale < 1.0) {
        pen.setWidthF(1.0);
        pen.setCosmetic(true);
    }
    m_painter->strokePath(stroke.path, pen);
}

void Renderer::drawPicture(const QImage &picture, const QTransform &t, const Tint &tint)
{
    if (tint.hidden)
        return;
    const QImage &image = tint.recolour ? m_bitmaps.recoloured(picture, tint.cx) : m_bitmaps.drawable(picture);
    m_painter->setOpacity(tint.opacity);
    drawTransformedImage(image, QTransform::fromScale(kTwipsPerPixel, kTwipsPerPixel) * t, true);
}

void Renderer::drawTransformedImage(const QImage &image, const QTransform &device, bool smooth)
{
    if (const StillImageCache::Still *still = m_stills.find(image, device, smooth, m_area)) {
        if (!still->pixels.isNull()) {
            m_painter->setTransform(QTransform());
            m_painter->drawImage(still->topLeft, still->pixels);
        }
        return;
    }
    m_painter->setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    m_painter->setTransform(device);
    m_painter->drawImage(QPointF(0, 0), image);
}

} // namespace velumo::swf
