#include "tools/template_author/shapes.h"

#include "tools/template_author/composer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace velumo::author::shapes {

namespace sw = swf::writer;

namespace {

swf::Point pt(QPointF p)
{
    return {sw::pixelsToTwips(p.x()), sw::pixelsToTwips(p.y())};
}

std::vector<swf::GradientRecord> records(const Stops &stops)
{
    std::vector<swf::GradientRecord> out;
    for (const auto &[at, colour] : stops)
        out.push_back({std::uint8_t(std::lround(std::clamp(at, 0.0, 1.0) * 255)), rgba(colour)});
    return out;
}

// A closed contour of the path with its points in pixels, kept to decide orientation.
struct Piece
{
    swf::Contour contour;
    QPolygonF outline;
};

double signedArea(const QPolygonF &poly)
{
    double area = 0;
    for (qsizetype i = 0; i < poly.size(); ++i) {
        const QPointF &p = poly[i];
        const QPointF &q = poly[(i + 1) % poly.size()];
        area += p.x() * q.y() - q.x() * p.y();
    }
    return area / 2;
}

swf::Contour reversed(const swf::Contour &c)
{
    swf::Contour out;
    out.start = c.end();
    // Walking back, each edge ends at the previous edge's end; curves keep their control.
    for (std::size_t i = c.edges.size(); i-- > 0;) {
        const swf::Point to = i == 0 ? c.start : c.edges[i - 1].to;
        out.edges.push_back({c.edges[i].curve, c.edges[i].control, to});
    }
    return out;
}

std::vector<Piece> pieces(const QPainterPath &p)
{
    std::vector<Piece> out;
    Piece current;
    QPointF pen;
    auto flush = [&] {
        if (!current.contour.edges.empty())
            out.push_back(std::move(current));
        current = Piece();
    };
    for (int i = 0; i < p.elementCount(); ++i) {
        const QPainterPath::Element e = p.elementAt(i);
        switch (e.type) {
        case QPainterPath::MoveToElement:
            flush();
            pen = QPointF(e.x, e.y);
            current.contour.start = pt(pen);
            current.outline << pen;
            break;
        case QPainterPath::LineToElement:
            pen = QPointF(e.x, e.y);
            current.contour.edges.push_back({false, {}, pt(pen)});
            current.outline << pen;
            break;
        case QPainterPath::CurveToElement: {
            const QPointF c1(e.x, e.y);
            const QPointF c2(p.elementAt(i + 1).x, p.elementAt(i + 1).y);
            const QPointF end(p.elementAt(i + 2).x, p.elementAt(i + 2).y);
            i += 2;
            // Four quadratic pieces follow a cubic closely enough for outlines at this size.
            constexpr int n = 4;
            auto cubicAt = [&](double t) {
                const double u = 1 - t;
                return u * u * u * pen + 3 * u * u * t * c1 + 3 * u * t * t * c2 + t * t * t * end;
            };
            auto derivAt = [&](double t) {
                const double u = 1 - t;
                return 3 * u * u * (c1 - pen) + 6 * u * t * (c2 - c1) + 3 * t * t * (end - c2);
            };
            for (int k = 0; k < n; ++k) {
                const double t0 = double(k) / n;
                const double t1 = double(k + 1) / n;
                const QPointF a = cubicAt(t0);
                const QPointF b = cubicAt(t1);
                const QPointF da = derivAt(t0) * (t1 - t0);
                const QPointF db = derivAt(t1) * (t1 - t0);
                // The quadratic control: where the end tangents meet, or the midpoint estimate.
                const QPointF control = (a + da / 2 + b - db / 2) / 2;
                current.contour.edges.push_back({true, pt(control), pt(b)});
                current.outline << b;
            }
            pen = end;
            break;
        }
        case QPainterPath::CurveToDataElement:
            break;
        }
    }
    flush();
    return out;
}

// Outer contours clockwise on screen, holes counter-clockwise, as the shape format expects.
std::vector<swf::Contour> oriented(const QPainterPath &p)
{
    std::vector<Piece> all = pieces(p);
    std::vector<swf::Contour> out;
    for (std::size_t i = 0; i < all.size(); ++i) {
        int enclosing = 0;
        const QPointF probe = all[i].outline.front();
        for (std::size_t j = 0; j < all.size(); ++j) {
            if (j != i && std::abs(signedArea(all[j].outline)) > std::abs(signedArea(all[i].outline))
                && all[j].outline.containsPoint(probe, Qt::OddEvenFill))
                ++enclosing;
        }
        const bool wantClockwise = enclosing % 2 == 0;
        const bool clockwise = signedArea(all[i].outline) > 0;
        out.push_back(clockwise == wantClockwise ? all[i].contour : reversed(all[i].contour));
    }
    return out;
}

} // namespace

Builder rect(const QRectF &r, const QColor &colour)
{
    Builder b;
    b.rectangle(twips(r), b.addFill(sw::solidFill(rgba(colour))));
    return b;
}

Builder roundedRect(const QRectF &r, double radius, const QColor &colour)
{
    Builder b;
    b.roundedRectangle(twips(r), sw::pixelsToTwips(radius), b.addFill(sw::solidFill(rgba(colour))));
    return b;
}

Builder ring(const QRectF &inner, double thickness, const QColor &colour, double outerRadius)
{
    QPainterPath p;
    const QRectF outer = inner.adjusted(-thickness, -thickness, thickness, thickness);
    if (outerRadius > 0)
        p.addRoundedRect(outer, outerRadius, outerRadius);
    else
        p.addRect(outer);
    p.addRect(inner);
    return path(p, colour);
}

Builder mount(const QRectF &inner, double left, double top, double right, double bottom, const QColor &colour)
{
    QPainterPath p;
    p.addRect(inner.adjusted(-left, -top, right, bottom));
    p.addRect(inner);
    return path(p, colour);
}

Builder linearGradient(const QRectF &r, const Stops &stops, double angleDegrees)
{
    Builder b;
    b.rectangle(twips(r), b.addFill(sw::linearGradientFill(twips(r), records(stops), angleDegrees)));
    return b;
}

Builder radialGradient(const QRectF &box, const Stops &stops, const QRectF &area)
{
    Builder b;
    b.rectangle(twips(area), b.addFill(sw::radialGradientFill(twips(box), records(stops))));
    return b;
}

Builder ellipse(const QRectF &box, const QColor &colour)
{
    QPainterPath p;
    p.addEllipse(box);
    return path(p, colour);
}

Builder polygons(const std::vector<QPolygonF> &list, const QColor &colour, bool unite)
{
    Builder b;
    // Even-odd would punch holes where pieces overlap.
    b.setNonZeroWinding(unite);
    const std::uint16_t fill = b.addFill(sw::solidFill(rgba(colour)));
    for (const QPolygonF &poly : list) {
        std::vector<swf::Point> points;
        for (const QPointF &p : poly) {
            const swf::Point q = pt(p);
            if (points.empty() || !(points.back() == q))
                points.push_back(q);
        }
        if (points.size() > 1 && points.front() == points.back())
            points.pop_back();
        if (points.size() >= 3)
            b.polygon(points, fill);
    }
    return b;
}

Builder path(const QPainterPath &p, const QColor &colour)
{
    Builder b;
    const std::vector<swf::Contour> contours = oriented(p);
    b.path(contours, b.addFill(sw::solidFill(rgba(colour))));
    return b;
}

Builder pathRadial(const QPainterPath &p, const Stops &stops)
{
    Builder b;
    const std::vector<swf::Contour> contours = oriented(p);
    b.path(contours, b.addFill(sw::radialGradientFill(twips(p.boundingRect()), records(stops))));
    return b;
}

QPainterPath heartPath(const QRectF &box)
{
    // Drawn in a 100 × 90 box, then fitted to `box`.
    QPainterPath p;
    p.moveTo(50, 22);
    p.cubicTo(50, 8, 38, 0, 26, 0);
    p.cubicTo(10, 0, 0, 12, 0, 28);
    p.cubicTo(0, 52, 26, 68, 50, 90);
    p.cubicTo(74, 68, 100, 52, 100, 28);
    p.cubicTo(100, 12, 90, 0, 74, 0);
    p.cubicTo(62, 0, 50, 8, 50, 22);
    p.closeSubpath();
    QTransform t;
    t.translate(box.left(), box.top());
    t.scale(box.width() / 100.0, box.height() / 90.0);
    return t.map(p);
}

QPainterPath starPath(QPointF centre, double outerRadius, double innerRadius, int points)
{
    QPolygonF poly;
    for (int i = 0; i < points * 2; ++i) {
        const double r = i % 2 == 0 ? outerRadius : innerRadius;
        const double angle = -std::numbers::pi / 2 + i * std::numbers::pi / points;
        poly << centre + QPointF(r * std::cos(angle), r * std::sin(angle));
    }
    QPainterPath p;
    p.addPolygon(poly);
    p.closeSubpath();
    return p;
}

} // namespace velumo::author::shapes
