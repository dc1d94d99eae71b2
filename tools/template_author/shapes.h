#pragma once

// Vector shapes in pixel coordinates, ready for Composer::defineShape.

#include "players/swf/writer/shape_builder.h"

#include <QColor>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>

#include <utility>
#include <vector>

namespace velumo::author::shapes {

using Builder = swf::writer::ShapeBuilder;
// (position 0..1, colour) pairs.
using Stops = std::vector<std::pair<double, QColor>>;

Builder rect(const QRectF &r, const QColor &colour);
Builder roundedRect(const QRectF &r, double radius, const QColor &colour);
// A band of `thickness` around `inner` (the hole), with rounded outer corners if asked.
Builder ring(const QRectF &inner, double thickness, const QColor &colour, double outerRadius = 0);
// A band with different widths per side: polaroid-style mounts.
Builder mount(const QRectF &inner, double left, double top, double right, double bottom, const QColor &colour);
// A gradient across `r`, turned clockwise by `angleDegrees`.
Builder linearGradient(const QRectF &r, const Stops &stops, double angleDegrees = 0);
// A radial gradient centred in `box` (ellipse touching its edges), painted over `area`.
Builder radialGradient(const QRectF &box, const Stops &stops, const QRectF &area);
Builder ellipse(const QRectF &box, const QColor &colour);
// Clockwise polygons; with `unite` the non-zero rule fills overlaps once (masks of many pieces).
Builder polygons(const std::vector<QPolygonF> &pieces, const QColor &colour, bool unite = false);
// Any painter path (curves become quadratic edges), filled even-odd.
Builder path(const QPainterPath &p, const QColor &colour);
// A path filled with a radial gradient centred in the path's bounds.
Builder pathRadial(const QPainterPath &p, const Stops &stops);

QPainterPath heartPath(const QRectF &box);
QPainterPath starPath(QPointF centre, double outerRadius, double innerRadius, int points);

} // namespace velumo::author::shapes
