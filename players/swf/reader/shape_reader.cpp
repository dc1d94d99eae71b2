#include "players/swf/reader/shape_reader.h"

#include "players/swf/reader/bit_reader.h"
#include "players/swf/reader/layer_builder.h"
#include "players/swf/reader/limits.h"
#include "players/swf/reader/records.h"
#include "players/swf/reader/shape_styles.h"
#include "players/swf/reader/tag_reader.h"

#include <limits>

namespace velumo::swf {

namespace {

ShapeVersion versionOf(std::uint16_t tagCode)
{
    switch (tagCode) {
    case tag::DefineShape: return 1;
    case tag::DefineShape2: return 2;
    case tag::DefineShape3: return 3;
    default: return 4;
    }
}

class RecordWalker
{
public:
    RecordWalker(ByteReader &in, ShapeVersion version, ShapeDef &shape, std::size_t pointsBefore)
        : m_in(in)
        , m_bits(in)
        , m_version(version)
        , m_shape(shape)
        , m_pointsBefore(pointsBefore)
    {
    }

    // Edges held for all styles plus pen moves.
    std::size_t points() const { return m_builder.storedEdges() + m_moves; }

    void run()
    {
        auto fills = readFillStyles(m_in, m_version); // fills come first in the bytes
        auto lines = readLineStyles(m_in, m_version);
        startLayer(std::move(fills), std::move(lines));
        while (m_bits.flag() ? edgeRecord() : styleRecord()) {
        }
        finishLayer();
    }

private:
    void startLayer(std::vector<FillStyle> fills, std::vector<LineStyle> lines)
    {
        m_layer = ShapeLayer{};
        m_layer.fills = std::move(fills);
        m_layer.lines = std::move(lines);
        m_builder.startLayer(m_layer.fills.size(), m_layer.lines.size());
        const std::uint8_t bitCounts = m_in.u8();
        m_fillBits = bitCounts >> 4;
        m_lineBits = bitCounts & 0x0F;
    }

    void finishLayer()
    {
        m_builder.finishLayer(m_layer);
        m_shape.layers.push_back(std::move(m_layer));
    }

    // Returns false at the end-of-shape record.
    bool styleRecord()
    {
        const std::uint32_t flags = m_bits.ub(5);
        if (flags == 0)
            return false;
        std::optional<Point> move;
        if (flags & 0x01) {
            const unsigned n = m_bits.ub(5);
            const std::int32_t x = m_bits.sb(n);
            const std::int32_t y = m_bits.sb(n);
            move = Point{x, y};
        }
        std::optional<std::size_t> fill0, fill1, line;
        if (flags & 0x02)
            fill0 = m_bits.ub(m_fillBits);
        if (flags & 0x04)
            fill1 = m_bits.ub(m_fillBits);
        if (flags & 0x08)
            line = m_bits.ub(m_lineBits);
        if (flags & 0x10) {
            // New arrays start a layer drawn on top; the indices of this record refer to them.
            finishLayer();
            m_bits.align();
            auto fills = readFillStyles(m_in, m_version);
            auto lines = readLineStyles(m_in, m_version);
            startLayer(std::move(fills), std::move(lines));
        }
        if (move) {
            m_builder.moveTo(*move);
            charge(1);
        }
        if (fill0)
            m_builder.setFill0(*fill0);
        if (fill1)
            m_builder.setFill1(*fill1);
        if (line)
            m_builder.setLine(*line);
        return true;
    }

    bool edgeRecord()
    {
        const bool straight = m_bits.flag();
        const unsigned n = m_bits.ub(4) + 2;
        const Point pen = m_builder.pen();
        if (straight) {
            std::int32_t dx = 0;
            std::int32_t dy = 0;
            if (m_bits.flag()) {
                dx = m_bits.sb(n);
                dy = m_bits.sb(n);
            } else if (m_bits.flag()) {
                dy = m_bits.sb(n);
            } else {
                dx = m_bits.sb(n);
            }
            m_builder.lineTo(offset(pen, dx, dy));
        } else {
            const std::int32_t cdx = m_bits.sb(n);
            const std::int32_t cdy = m_bits.sb(n);
            const std::int32_t adx = m_bits.sb(n);
            const std::int32_t ady = m_bits.sb(n);
            const Point control = offset(pen, cdx, cdy);
            m_builder.curveTo(control, offset(control, adx, ady));
        }
        charge(0);
        return true;
    }

    Point offset(Point p, std::int32_t dx, std::int32_t dy) const
    {
        const std::int64_t x = std::int64_t(p.x) + dx;
        const std::int64_t y = std::int64_t(p.y) + dy;
        constexpr auto lo = std::numeric_limits<std::int32_t>::min();
        constexpr auto hi = std::numeric_limits<std::int32_t>::max();
        if (x < lo || x > hi || y < lo || y > hi)
            m_in.fail("shape coordinates out of range");
        return {std::int32_t(x), std::int32_t(y)};
    }

    // Counts what the builder now holds (plus `extra` pen moves) against both limits.
    void charge(std::size_t extra)
    {
        m_moves += extra;
        const std::size_t used = points();
        if (used > limits::kMaxPointsPerShape)
            m_in.fail("shape has more than " + std::to_string(limits::kMaxPointsPerShape) + " points");
        if (m_pointsBefore + used > limits::kMaxPointsInMovie)
            m_in.fail("the movie's shapes have more than " + std::to_string(limits::kMaxPointsInMovie)
                      + " points in all");
    }

    ByteReader &m_in;
    BitReader m_bits;
    ShapeVersion m_version;
    ShapeDef &m_shape;
    std::size_t m_pointsBefore;
    ShapeLayer m_layer;
    LayerBuilder m_builder;
    unsigned m_fillBits = 0;
    unsigned m_lineBits = 0;
    std::size_t m_moves = 0;
};

} // namespace

ShapeDef readShape(ByteReader &body, std::uint16_t tagCode, Budget &budget)
{
    const ShapeVersion version = versionOf(tagCode);
    ShapeDef shape;
    shape.id = body.u16();
    shape.bounds = readRect(body);
    if (version == 4) {
        readRect(body); // edge bounds: the bounds without stroke widths
        const std::uint8_t flags = body.u8();
        shape.nonZeroWinding = (flags & 0x04) != 0;
    }
    RecordWalker walker(body, version, shape, budget.points);
    walker.run();
    budget.points += walker.points();
    return shape;
}

} // namespace velumo::swf
