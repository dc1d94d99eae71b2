#include "players/swf/render/fill_style.h"

#include "players/swf/render/view_transform.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>

namespace velumo::swf {

namespace {

// The gradient square spans -16384..16384 twips before the fill matrix maps it into the shape.
constexpr double kGradientHalf = 16384.0;

QGradient::Spread toSpread(std::uint8_t spread)
{
    switch (spread) {
    case 1:
        return QGradient::ReflectSpread;
    case 2:
        return QGradient::RepeatSpread;
    default:
        return QGradient::PadSpread;
    }
}

QBrush gradientBrush(const FillStyle &fill, const ColorTransform &cx)
{
    const Gradient &g = fill.gradient;
    if (g.records.empty())
        return QBrush(toQColor(cx.apply(Rgba{0, 0, 0, 255})));

    QGradientStops stops;
    stops.reserve(qsizetype(g.records.size()));
    for (const GradientRecord &record : g.records)
        stops.append({record.ratio / 255.0, toQColor(cx.apply(record.colour))});
    // Equal ratios are kept (a hard edge); setColorAt would merge them.
    std::stable_sort(stops.begin(), stops.end(),
                     [](const QGradientStop &l, const QGradientStop &r) { return l.first < r.first; });

    QGradient gradient;
    if (fill.kind == FillKind::LinearGradient) {
        gradient = QLinearGradient(-kGradientHalf, 0, kGradientHalf, 0);
    } else if (fill.kind == FillKind::FocalGradient) {
        // A focal point exactly on the rim makes Qt draw a cone instead of a filled disc.
        const double focal = std::clamp(g.focalPoint, -0.999, 0.999);
        gradient = QRadialGradient(QPointF(0, 0), kGradientHalf, QPointF(focal * kGradientHalf, 0));
    } else {
        gradient = QRadialGradient(QPointF(0, 0), kGradientHalf);
    }
    gradient.setSpread(toSpread(g.spread));
    gradient.setStops(stops);

    QBrush brush(gradient);
    brush.setTransform(toQTransform(fill.matrix));
    return brush;
}

} // namespace

QBrush vectorBrush(const FillStyle &fill, const ColorTransform &cx)
{
    switch (fill.kind) {
    case FillKind::Solid:
        return QBrush(toQColor(cx.apply(fill.colour)));
    case FillKind::LinearGradient:
    case FillKind::RadialGradient:
    case FillKind::FocalGradient:
        return gradientBrush(fill, cx);
    default:
        return QBrush(Qt::NoBrush);
    }
}

} // namespace velumo::swf
