#include "players/swf/writer/shape_builder.h"

#include "players/swf/writer/records.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace velumo::swf::writer {

namespace {

// One edge delta may take at most 17 signed bits (NumBits is UB[4] + 2).
constexpr std::int64_t maxDelta = 65535;

bool fitsEdge(std::int64_t delta)
{
    return delta >= -maxDelta - 1 && delta <= maxDelta;
}
// MoveTo coordinates take at most 31 signed bits (MoveBits is UB[5]).
constexpr std::int32_t maxCoordinate = (1 << 30) - 1;
constexpr double gradientSquare = 32768.0; // the gradient square spans -16384..16384

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// a / b rounded to nearest, halves up; b > 0.
std::int64_t roundDiv(std::int64_t a, std::int64_t b)
{
    return floorDiv(2 * a + b, 2 * b);
}

struct Extent
{
    std::int64_t xMin = std::numeric_limits<std::int64_t>::max();
    std::int64_t xMax = std::numeric_limits<std::int64_t>::min();
    std::int64_t yMin = std::numeric_limits<std::int64_t>::max();
    std::int64_t yMax = std::numeric_limits<std::int64_t>::min();

    bool empty() const { return xMin > xMax; }
    void add(double x, double y)
    {
        xMin = std::min<std::int64_t>(xMin, static_cast<std::int64_t>(std::floor(x)));
        xMax = std::max<std::int64_t>(xMax, static_cast<std::int64_t>(std::ceil(x)));
        yMin = std::min<std::int64_t>(yMin, static_cast<std::int64_t>(std::floor(y)));
        yMax = std::max<std::int64_t>(yMax, static_cast<std::int64_t>(std::ceil(y)));
    }
    void unite(const Extent &o)
    {
        if (o.empty())
            return;
        add(double(o.xMin), double(o.yMin));
        add(double(o.xMax), double(o.yMax));
    }
    void grow(std::int64_t by)
    {
        xMin -= by;
        yMin -= by;
        xMax += by;
        yMax += by;
    }
    Rect rect() const
    {
        if (empty())
            return {};
        auto clamp = [](std::int64_t v) {
            return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, -maxCoordinate, maxCoordinate));
        };
        return {clamp(xMin), clamp(xMax), clamp(yMin), clamp(yMax)};
    }
};

// The extreme of one coordinate of a quadratic curve between its end points, if it has one.
void addCurveExtreme(Extent &extent, Point from, Point control, Point to)
{
    auto extremeT = [](double p0, double c, double p1) {
        const double denominator = p0 - 2 * c + p1;
        return denominator == 0 ? -1.0 : (p0 - c) / denominator;
    };
    auto at = [](double p0, double c, double p1, double t) {
        return (1 - t) * (1 - t) * p0 + 2 * t * (1 - t) * c + t * t * p1;
    };
    for (double t : {extremeT(from.x, control.x, to.x), extremeT(from.y, control.y, to.y)}) {
        if (t > 0 && t < 1)
            extent.add(at(from.x, control.x, to.x, t), at(from.y, control.y, to.y, t));
    }
}

Extent contourExtent(const Contour &contour)
{
    Extent extent;
    extent.add(contour.start.x, contour.start.y);
    Point pen = contour.start;
    for (const Edge &edge : contour.edges) {
        if (edge.curve)
            addCurveExtreme(extent, pen, edge.control, edge.to);
        extent.add(edge.to.x, edge.to.y);
        pen = edge.to;
    }
    return extent;
}

void checkPoint(Point p)
{
    if (std::abs(p.x) > maxCoordinate || std::abs(p.y) > maxCoordinate)
        throw WriteError("shape coordinate out of range: (" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")");
}

void writeStyleCount(BitWriter &out, std::size_t count, int version)
{
    if (count < 0xFF) {
        out.u8(static_cast<std::uint8_t>(count));
    } else if (version >= 2) {
        out.u8(0xFF);
        out.u16(static_cast<std::uint16_t>(count));
    } else {
        throw WriteError("DefineShape holds at most 254 styles per array");
    }
}

int widest(std::initializer_list<std::int64_t> values)
{
    int bits = 2; // NumBits is stored minus 2
    for (std::int64_t v : values)
        bits = std::max(bits, signedBits(static_cast<std::int32_t>(v)));
    return bits;
}

void writeStraight(BitWriter &out, std::int64_t dx, std::int64_t dy)
{
    if (dx == 0 && dy == 0)
        return;
    // Longer than one edge can hold: equal pieces whose sum is exact.
    const std::int64_t longest = std::max(std::abs(dx), std::abs(dy));
    const std::int64_t pieces = fitsEdge(dx) && fitsEdge(dy) ? 1 : (longest + maxDelta - 1) / maxDelta;
    for (std::int64_t i = 0; i < pieces; ++i) {
        const std::int64_t px = dx * (i + 1) / pieces - dx * i / pieces;
        const std::int64_t py = dy * (i + 1) / pieces - dy * i / pieces;
        const int bits = widest({px, py});
        out.ub(1, 1); // edge
        out.ub(1, 1); // straight
        out.ub(static_cast<std::uint32_t>(bits - 2), 4);
        if (px != 0 && py != 0) {
            out.ub(1, 1); // general line
            out.sb(static_cast<std::int32_t>(px), bits);
            out.sb(static_cast<std::int32_t>(py), bits);
        } else if (py == 0) {
            out.ub(0, 1);
            out.ub(0, 1); // horizontal
            out.sb(static_cast<std::int32_t>(px), bits);
        } else {
            out.ub(0, 1);
            out.ub(1, 1); // vertical
            out.sb(static_cast<std::int32_t>(py), bits);
        }
    }
}

struct Point64
{
    std::int64_t x;
    std::int64_t y;
};

void writeCurve(BitWriter &out, Point64 from, Point64 control, Point64 to)
{
    const std::int64_t cdx = control.x - from.x, cdy = control.y - from.y;
    const std::int64_t adx = to.x - control.x, ady = to.y - control.y;
    if (cdx == 0 && cdy == 0 && adx == 0 && ady == 0)
        return;
    if (!(fitsEdge(cdx) && fitsEdge(cdy) && fitsEdge(adx) && fitsEdge(ady))) {
        // Halve at t = 0.5 (de Casteljau), rounded to whole twips; the end points stay exact.
        const Point64 c0{roundDiv(from.x + control.x, 2), roundDiv(from.y + control.y, 2)};
        const Point64 c1{roundDiv(control.x + to.x, 2), roundDiv(control.y + to.y, 2)};
        const Point64 mid{roundDiv(from.x + 2 * control.x + to.x, 4), roundDiv(from.y + 2 * control.y + to.y, 4)};
        writeCurve(out, from, c0, mid);
        writeCurve(out, mid, c1, to);
        return;
    }
    const int bits = widest({cdx, cdy, adx, ady});
    out.ub(1, 1); // edge
    out.ub(0, 1); // curved
    out.ub(static_cast<std::uint32_t>(bits - 2), 4);
    out.sb(static_cast<std::int32_t>(cdx), bits);
    out.sb(static_cast<std::int32_t>(cdy), bits);
    out.sb(static_cast<std::int32_t>(adx), bits);
    out.sb(static_cast<std::int32_t>(ady), bits);
}

Rect normalized(const Rect &r)
{
    return {std::min(r.xMin, r.xMax), std::max(r.xMin, r.xMax), std::min(r.yMin, r.yMax), std::max(r.yMin, r.yMax)};
}

bool gradientNeedsShape4(const FillStyle &style)
{
    if (style.kind == FillKind::FocalGradient)
        return true;
    const bool gradient = style.kind == FillKind::LinearGradient || style.kind == FillKind::RadialGradient;
    return gradient && (style.gradient.spread != 0 || style.gradient.interpolation != 0);
}

bool hasManyStops(const FillStyle &style)
{
    const bool gradient = style.kind == FillKind::LinearGradient || style.kind == FillKind::RadialGradient
                          || style.kind == FillKind::FocalGradient;
    return gradient && style.gradient.records.size() > 8;
}

} // namespace

int shapeVersion(ShapeTag tag)
{
    switch (tag) {
    case ShapeTag::DefineShape:
        return 1;
    case ShapeTag::DefineShape2:
        return 2;
    case ShapeTag::DefineShape3:
        return 3;
    case ShapeTag::DefineShape4:
        return 4;
    case ShapeTag::Auto:
        break;
    }
    throw WriteError("shape tag not resolved");
}

FillStyle solidFill(Rgba colour)
{
    FillStyle style;
    style.kind = FillKind::Solid;
    style.colour = colour;
    return style;
}

FillStyle linearGradientFill(const Rect &box, std::vector<GradientRecord> stops, double angleDegrees)
{
    const Rect r = normalized(box);
    const double radians = angleDegrees * std::numbers::pi / 180.0;
    const double cosA = std::cos(radians), sinA = std::sin(radians);
    // The box's extent along the gradient direction, so the end stops sit on its far corners.
    const double span = std::abs(double(r.xMax - r.xMin) * cosA) + std::abs(double(r.yMax - r.yMin) * sinA);
    const double scale = span / gradientSquare;
    FillStyle style;
    style.kind = FillKind::LinearGradient;
    style.matrix = {cosA * scale, sinA * scale, -sinA * scale, cosA * scale, (double(r.xMin) + r.xMax) / 2,
                    (double(r.yMin) + r.yMax) / 2};
    style.gradient.records = std::move(stops);
    return style;
}

FillStyle radialGradientFill(const Rect &box, std::vector<GradientRecord> stops)
{
    const Rect r = normalized(box);
    FillStyle style;
    style.kind = FillKind::RadialGradient;
    style.matrix = {(r.xMax - r.xMin) / gradientSquare, 0, 0, (r.yMax - r.yMin) / gradientSquare,
                    (double(r.xMin) + r.xMax) / 2, (double(r.yMin) + r.yMax) / 2};
    style.gradient.records = std::move(stops);
    return style;
}

FillStyle bitmapFill(std::uint16_t bitmapId, QSize pixelSize, const Rect &target, bool smoothed)
{
    if (pixelSize.width() <= 0 || pixelSize.height() <= 0)
        throw WriteError("bitmap fill of an empty bitmap");
    const Rect r = normalized(target);
    FillStyle style;
    style.kind = smoothed ? FillKind::ClippedBitmap : FillKind::ClippedBitmapHard;
    style.bitmapId = bitmapId;
    // Maps bitmap pixels onto the target: 20 twips per pixel at natural size.
    style.matrix = {double(r.xMax - r.xMin) / pixelSize.width(), 0, 0, double(r.yMax - r.yMin) / pixelSize.height(),
                    double(r.xMin), double(r.yMin)};
    return style;
}

std::int32_t pixelsToTwips(double pixels)
{
    const double twips = std::round(pixels * 20.0);
    if (!(std::abs(twips) <= maxCoordinate))
        throw WriteError("pixel value out of range: " + std::to_string(pixels));
    return static_cast<std::int32_t>(twips);
}

std::uint16_t ShapeBuilder::addFill(const FillStyle &style)
{
    if (m_fills.size() >= 0x7FFF)
        throw WriteError("too many fill styles");
    m_fills.push_back(style);
    return static_cast<std::uint16_t>(m_fills.size());
}

std::uint16_t ShapeBuilder::addLine(const LineStyle &style)
{
    if (m_lines.size() >= 0x7FFF)
        throw WriteError("too many line styles");
    m_lines.push_back(style);
    return static_cast<std::uint16_t>(m_lines.size());
}

void ShapeBuilder::addOutline(Contour contour, std::uint16_t fill, std::uint16_t line)
{
    if (fill > m_fills.size())
        throw WriteError("fill style " + std::to_string(fill) + " not defined");
    if (line > m_lines.size())
        throw WriteError("line style " + std::to_string(line) + " not defined");
    if (fill == 0 && line == 0)
        throw WriteError("an outline with neither fill nor line draws nothing");
    if (contour.edges.empty())
        throw WriteError("an outline needs at least one edge");
    checkPoint(contour.start);
    for (const Edge &edge : contour.edges) {
        checkPoint(edge.to);
        if (edge.curve)
            checkPoint(edge.control);
    }
    if (!(contour.end() == contour.start))
        contour.edges.push_back({false, {}, contour.start});
    m_outlines.push_back({std::move(contour), fill, line});
}

void ShapeBuilder::rectangle(const Rect &rect, std::uint16_t fill, std::uint16_t line)
{
    const Rect r = normalized(rect);
    // Clockwise on screen: right along the top, down, left along the bottom, up.
    Contour c{{r.xMin, r.yMin},
              {{false, {}, {r.xMax, r.yMin}},
               {false, {}, {r.xMax, r.yMax}},
               {false, {}, {r.xMin, r.yMax}},
               {false, {}, {r.xMin, r.yMin}}}};
    addOutline(std::move(c), fill, line);
}

void ShapeBuilder::roundedRectangle(const Rect &rect, std::int32_t radius, std::uint16_t fill, std::uint16_t line)
{
    const Rect r = normalized(rect);
    const std::int32_t rad = std::min({radius, (r.xMax - r.xMin) / 2, (r.yMax - r.yMin) / 2});
    if (rad <= 0) {
        rectangle(r, fill, line);
        return;
    }
    Contour c;
    c.start = {r.xMin + rad, r.yMin};
    // A quarter circle as two 45° quadratic arcs: control on the bisector at r / cos(22.5°).
    auto corner = [&](double cx, double cy, double fromDegrees) {
        const double controlRadius = rad / std::cos(std::numbers::pi / 8);
        for (int half = 0; half < 2; ++half) {
            const double mid = (fromDegrees + 22.5 + 45.0 * half) * std::numbers::pi / 180.0;
            const double end = (fromDegrees + 45.0 * (half + 1)) * std::numbers::pi / 180.0;
            const Point control{static_cast<std::int32_t>(std::lround(cx + controlRadius * std::cos(mid))),
                                static_cast<std::int32_t>(std::lround(cy + controlRadius * std::sin(mid)))};
            const Point to{static_cast<std::int32_t>(std::lround(cx + rad * std::cos(end))),
                           static_cast<std::int32_t>(std::lround(cy + rad * std::sin(end)))};
            c.edges.push_back({true, control, to});
        }
    };
    auto lineTo = [&](std::int32_t x, std::int32_t y) { c.edges.push_back({false, {}, {x, y}}); };
    lineTo(r.xMax - rad, r.yMin);
    corner(r.xMax - rad, r.yMin + rad, -90);
    lineTo(r.xMax, r.yMax - rad);
    corner(r.xMax - rad, r.yMax - rad, 0);
    lineTo(r.xMin + rad, r.yMax);
    corner(r.xMin + rad, r.yMax - rad, 90);
    lineTo(r.xMin, r.yMin + rad);
    corner(r.xMin + rad, r.yMin + rad, 180);
    // The last arc ends on the start, up to rounding: land on it exactly.
    c.edges.back().to = c.start;
    addOutline(std::move(c), fill, line);
}

void ShapeBuilder::polygon(std::span<const Point> points, std::uint16_t fill, std::uint16_t line)
{
    if (points.size() < 3)
        throw WriteError("a polygon needs at least three points");
    // Twice the signed area; positive is clockwise on screen (y down).
    double area = 0;
    for (std::size_t i = 0; i < points.size(); ++i) {
        const Point &p = points[i];
        const Point &q = points[(i + 1) % points.size()];
        area += double(p.x) * q.y - double(q.x) * p.y;
    }
    Contour c;
    c.start = points.front();
    if (area >= 0) {
        for (std::size_t i = 1; i < points.size(); ++i)
            c.edges.push_back({false, {}, points[i]});
    } else {
        for (std::size_t i = points.size() - 1; i > 0; --i)
            c.edges.push_back({false, {}, points[i]});
    }
    addOutline(std::move(c), fill, line);
}

void ShapeBuilder::path(std::span<const Contour> contours, std::uint16_t fill, std::uint16_t line)
{
    for (const Contour &contour : contours)
        addOutline(contour, fill, line);
}

Rect ShapeBuilder::edgeBounds() const
{
    Extent all;
    for (const Outline &o : m_outlines)
        all.unite(contourExtent(o.contour));
    return all.rect();
}

Rect ShapeBuilder::bounds() const
{
    Extent all;
    for (const Outline &o : m_outlines) {
        Extent e = contourExtent(o.contour);
        if (o.line != 0)
            e.grow((m_lines[o.line - 1].width + 1) / 2);
        all.unite(e);
    }
    return all.rect();
}

bool ShapeBuilder::needsShape4() const
{
    if (m_nonZeroWinding)
        return true;
    for (const FillStyle &f : m_fills) {
        if (gradientNeedsShape4(f))
            return true;
    }
    for (const LineStyle &l : m_lines) {
        if (l.fill)
            return true;
    }
    return false;
}

ShapeTag ShapeBuilder::resolveTag(ShapeTag requested) const
{
    if (requested == ShapeTag::Auto)
        return needsShape4() ? ShapeTag::DefineShape4 : ShapeTag::DefineShape3;
    if (requested != ShapeTag::DefineShape4 && needsShape4())
        throw WriteError("the shape needs DefineShape4 (winding rule, filled line or gradient mode)");
    // Colours and style counts are checked as they are encoded.
    return requested;
}

int ShapeBuilder::swfVersionNeeded(ShapeTag tag) const
{
    const int version = shapeVersion(resolveTag(tag));
    if (version == 4)
        return 8;
    const bool manyStops = std::any_of(m_fills.begin(), m_fills.end(), hasManyStops);
    return manyStops ? 8 : version; // DefineShape N came with SWF N
}

Bytes ShapeBuilder::encode(std::uint16_t id, ShapeTag requested) const
{
    const int version = shapeVersion(resolveTag(requested));
    BitWriter out;
    out.u16(id);
    writeRect(out, bounds());
    if (version == 4) {
        writeRect(out, edgeBounds());
        out.ub(0, 5); // reserved
        out.flag(m_nonZeroWinding);
        out.flag(false);            // non-scaling strokes
        out.flag(!m_lines.empty()); // scaling strokes
    }
    writeStyleCount(out, m_fills.size(), version);
    for (const FillStyle &f : m_fills)
        writeFillStyle(out, f, version);
    writeStyleCount(out, m_lines.size(), version);
    for (const LineStyle &l : m_lines)
        writeLineStyle(out, l, version);

    const int fillBits = unsignedBits(static_cast<std::uint32_t>(m_fills.size()));
    const int lineBits = unsignedBits(static_cast<std::uint32_t>(m_lines.size()));
    out.ub(static_cast<std::uint32_t>(fillBits), 4);
    out.ub(static_cast<std::uint32_t>(lineBits), 4);

    std::uint16_t fill = 0, line = 0;
    for (const Outline &o : m_outlines) {
        // Style change: only the styles that differ, and always a MoveTo (absolute).
        const bool lineChanges = o.line != line;
        const bool fillChanges = o.fill != fill;
        out.ub(0, 1); // non-edge record
        out.flag(false); // NewStyles
        out.flag(lineChanges);
        out.flag(fillChanges); // FillStyle1
        out.flag(false);       // FillStyle0: never used
        out.flag(true);        // MoveTo
        const Point start = o.contour.start;
        const int moveBits = std::max(signedBits(start.x), signedBits(start.y));
        out.ub(static_cast<std::uint32_t>(moveBits), 5);
        out.sb(start.x, moveBits);
        out.sb(start.y, moveBits);
        if (fillChanges)
            out.ub(o.fill, fillBits);
        if (lineChanges)
            out.ub(o.line, lineBits);
        fill = o.fill;
        line = o.line;

        Point64 pen{start.x, start.y};
        for (const Edge &e : o.contour.edges) {
            const Point64 to{e.to.x, e.to.y};
            if (e.curve)
                writeCurve(out, pen, {e.control.x, e.control.y}, to);
            else
                writeStraight(out, to.x - pen.x, to.y - pen.y);
            pen = to;
        }
    }
    out.ub(0, 6); // EndShapeRecord
    return out.take();
}

} // namespace velumo::swf::writer
