#pragma once

#include "players/swf/model.h"

#include <QBrush>
#include <QPainterPath>
#include <QPointF>

#include <array>
#include <memory>
#include <optional>
#include <unordered_map>
#include <vector>

namespace velumo::swf {

using Quad = std::array<QPointF, 4>;

struct CachedFill
{
    const FillStyle *style = nullptr;
    QPainterPath path; // twips, the shape's fill rule
    QBrush brush;      // solid and gradient fills under the identity colour transform
    // Set when the path is a single four-cornered polygon: lets a clipped bitmap that covers
    // exactly this area skip the clip.
    std::optional<Quad> quad;
};

struct CachedStroke
{
    const LineStyle *style = nullptr;
    QPainterPath path; // twips; sub-paths closed only where they end where they start
};

struct CachedLayer
{
    std::vector<CachedFill> fills; // in fill style order
    std::vector<CachedStroke> strokes;
};

// The Qt paths of one ShapeDef, built once: a frame only changes the transforms.
struct CachedShape
{
    std::uint16_t id = 0;
    Rect bounds;
    std::vector<CachedLayer> layers;

    // Everything the shape fills, as one path: its geometry when it acts as a mask.
    const QPainterPath &maskPath() const;

private:
    mutable std::optional<QPainterPath> m_mask; // built on first use: unions are slow
};

class ShapeCache
{
public:
    // Valid until clear(); keyed by address, so the ShapeDef must outlive its use here.
    const CachedShape &get(const ShapeDef &shape);
    void clear() { m_shapes.clear(); }

private:
    std::unordered_map<const ShapeDef *, std::unique_ptr<CachedShape>> m_shapes;
};

// Whether `path` (from CachedFill::quad) has the same corners, in the same cyclic order in
// either direction, as `area`, each within `tolerance`.
bool sameQuad(const Quad &path, const Quad &area, double tolerance);

} // namespace velumo::swf
