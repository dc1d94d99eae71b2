#include "players/swf/render/shape_cache.h"

#include "players/swf/render/fill_style.h"

#include <algorithm>
#include <cmath>

namespace velumo::swf {

namespace {

QPointF toQPoint(Point p)
{
    return QPointF(p.x, p.y);
}

void addContour(QPainterPath &path, const Contour &contour, bool close)
{
    if (contour.edges.empty())
        return;
    path.moveTo(toQPoint(contour.start));
    for (const Edge &edge : contour.edges) {
        if (edge.curve)
            path.quadTo(toQPoint(edge.control), toQPoint(edge.to));
        else
            path.lineTo(toQPoint(edge.to));
    }
    if (close)
        path.closeSubpath();
}

// Corners of a straight-edged single contour once repeated and collinear points are dropped
// (long edges may arrive split into pieces).
std::optional<Quad> quadOf(const FillPath &fillPath)
{
    if (fillPath.contours.size() != 1)
        return std::nullopt;
    const Contour &contour = fillPath.contours.front();
    std::vector<Point> points{contour.start};
    for (const Edge &edge : contour.edges) {
        if (edge.curve)
            return std::nullopt;
        points.push_back(edge.to);
    }

    auto collinear = [](Point a, Point b, Point c) {
        return std::int64_t(b.x - a.x) * (c.y - a.y) - std::int64_t(b.y - a.y) * (c.x - a.x) == 0;
    };
    bool changed = true;
    while (changed && points.size() >= 3) {
        changed = false;
        for (std::size_t i = 0; i < points.size(); ++i) {
            const std::size_t n = points.size();
            const Point prev = points[(i + n - 1) % n];
            const Point next = points[(i + 1) % n];
            if (points[i] == prev || collinear(prev, points[i], next)) {
                points.erase(points.begin() + std::ptrdiff_t(i));
                changed = true;
                break;
            }
        }
    }
    if (points.size() != 4)
        return std::nullopt;
    return Quad{toQPoint(points[0]), toQPoint(points[1]), toQPoint(points[2]), toQPoint(points[3])};
}

std::unique_ptr<CachedShape> build(const ShapeDef &shape)
{
    auto cached = std::make_unique<CachedShape>();
    cached->id = shape.id;
    cached->bounds = shape.bounds;
    const Qt::FillRule rule = shape.nonZeroWinding ? Qt::WindingFill : Qt::OddEvenFill;

    for (const ShapeLayer &layer : shape.layers) {
        CachedLayer &out = cached->layers.emplace_back();
        for (const FillPath &fillPath : layer.fillPaths) {
            if (fillPath.fillIndex >= layer.fills.size())
                continue;
            CachedFill fill;
            fill.style = &layer.fills[fillPath.fillIndex];
            fill.path.setFillRule(rule);
            for (const Contour &contour : fillPath.contours)
                addContour(fill.path, contour, true);
            if (fill.path.isEmpty())
                continue;
            fill.brush = vectorBrush(*fill.style, ColorTransform{});
            fill.quad = quadOf(fillPath);
            out.fills.push_back(std::move(fill));
        }
        std::stable_sort(out.fills.begin(), out.fills.end(), [](const CachedFill &l, const CachedFill &r) {
            return l.style < r.style; // styles sit in one vector: address order is index order
        });

        for (const StrokePath &strokePath : layer.strokePaths) {
            if (strokePath.lineIndex >= layer.lines.size())
                continue;
            CachedStroke stroke;
            stroke.style = &layer.lines[strokePath.lineIndex];
            for (const Contour &contour : strokePath.contours)
                addContour(stroke.path, contour, contour.end() == contour.start);
            if (!stroke.path.isEmpty())
                out.strokes.push_back(std::move(stroke));
        }
    }
    return cached;
}

bool near(QPointF a, QPointF b, double tolerance)
{
    return std::abs(a.x() - b.x()) <= tolerance && std::abs(a.y() - b.y()) <= tolerance;
}

} // namespace

const QPainterPath &CachedShape::maskPath() const
{
    if (!m_mask) {
        QPainterPath mask;
        bool first = true;
        for (const CachedLayer &layer : layers) {
            for (const CachedFill &fill : layer.fills) {
                // A lone path keeps its curves and fill rule; unions flatten both away.
                mask = first ? fill.path : mask.united(fill.path);
                first = false;
            }
        }
        m_mask = std::move(mask);
    }
    return *m_mask;
}

const CachedShape &ShapeCache::get(const ShapeDef &shape)
{
    std::unique_ptr<CachedShape> &slot = m_shapes[&shape];
    // A different shape at a recycled address would otherwise paint stale geometry.
    if (!slot || slot->id != shape.id || slot->bounds != shape.bounds || slot->layers.size() != shape.layers.size())
        slot = build(shape);
    return *slot;
}

bool sameQuad(const Quad &path, const Quad &area, double tolerance)
{
    for (std::size_t start = 0; start < 4; ++start) {
        if (!near(path[0], area[start], tolerance))
            continue;
        bool forward = true;
        bool backward = true;
        for (std::size_t i = 1; i < 4; ++i) {
            forward = forward && near(path[i], area[(start + i) % 4], tolerance);
            backward = backward && near(path[i], area[(start + 4 - i) % 4], tolerance);
        }
        if (forward || backward)
            return true;
    }
    return false;
}

} // namespace velumo::swf
