#include "tests/swf_reader/swf_fixture.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace velumo::swf::test {

Bytes cat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &part : parts)
        out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes le16(std::uint16_t value)
{
    return {std::uint8_t(value), std::uint8_t(value >> 8)};
}

Bytes le32(std::uint32_t value)
{
    return {std::uint8_t(value), std::uint8_t(value >> 8), std::uint8_t(value >> 16), std::uint8_t(value >> 24)};
}

Bytes zlib(const Bytes &data)
{
    uLongf size = compressBound(uLong(data.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, data.data(), uLong(data.size()), 9) != Z_OK)
        throw std::runtime_error("zlib compress failed");
    out.resize(size);
    return out;
}

Bytes cstring(const char *text)
{
    return Bytes(text, text + std::strlen(text) + 1);
}

void BitWriter::ub(unsigned bits, std::uint32_t value)
{
    if (bits < 32 && (value >> bits) != 0)
        throw std::logic_error("fixture: value does not fit its bit field");
    for (unsigned i = bits; i-- > 0;) {
        if (m_used == 0)
            m_out.push_back(0);
        if ((value >> i) & 1u)
            m_out.back() |= std::uint8_t(0x80u >> m_used);
        m_used = (m_used + 1) % 8;
    }
}

void BitWriter::sb(unsigned bits, std::int32_t value)
{
    ub(bits, std::uint32_t(value) & (bits >= 32 ? 0xFFFFFFFFu : ((1u << bits) - 1u)));
}

void BitWriter::align()
{
    m_used = 0;
}

void BitWriter::bytes(const Bytes &data)
{
    align();
    m_out.insert(m_out.end(), data.begin(), data.end());
}

Bytes BitWriter::take()
{
    align();
    return std::move(m_out);
}

unsigned signedBits(std::initializer_list<std::int32_t> values)
{
    unsigned most = 0;
    for (std::int32_t v : values) {
        std::uint32_t magnitude = v < 0 ? ~std::uint32_t(v) : std::uint32_t(v);
        unsigned bits = 1;
        while (magnitude != 0) {
            ++bits;
            magnitude >>= 1;
        }
        most = std::max(most, bits);
    }
    return most;
}

Bytes rect(Rect r)
{
    BitWriter w;
    const unsigned n = signedBits({r.xMin, r.xMax, r.yMin, r.yMax});
    w.ub(5, n);
    w.sb(n, r.xMin);
    w.sb(n, r.xMax);
    w.sb(n, r.yMin);
    w.sb(n, r.yMax);
    return w.take();
}

Bytes matrix(const Matrix &m)
{
    auto fixed = [](double v) { return std::int32_t(v * 65536.0); };
    BitWriter w;
    const bool scale = m.a != 1 || m.d != 1;
    w.ub(1, scale);
    if (scale) {
        const unsigned n = signedBits({fixed(m.a), fixed(m.d)});
        w.ub(5, n);
        w.sb(n, fixed(m.a));
        w.sb(n, fixed(m.d));
    }
    const bool rotate = m.b != 0 || m.c != 0;
    w.ub(1, rotate);
    if (rotate) {
        const unsigned n = signedBits({fixed(m.b), fixed(m.c)});
        w.ub(5, n);
        w.sb(n, fixed(m.b));
        w.sb(n, fixed(m.c));
    }
    const auto tx = std::int32_t(m.tx);
    const auto ty = std::int32_t(m.ty);
    const unsigned n = tx == 0 && ty == 0 ? 0 : signedBits({tx, ty});
    w.ub(5, n);
    w.sb(n, tx);
    w.sb(n, ty);
    return w.take();
}

Bytes tag(std::uint16_t code, const Bytes &body, bool longForm)
{
    if (!longForm && body.size() < 0x3F)
        return cat({le16(std::uint16_t(code << 6 | body.size())), body});
    return cat({le16(std::uint16_t(code << 6 | 0x3F)), le32(std::uint32_t(body.size())), body});
}

Bytes movieBytes(const Bytes &tags, std::uint16_t frameCount, std::uint8_t version)
{
    const Bytes body = cat({rect({0, 4000, 0, 2000}), le16(25 << 8), le16(frameCount), tags});
    return cat({Bytes{'F', 'W', 'S', version}, le32(std::uint32_t(8 + body.size())), body});
}

Bytes compressed(const Bytes &fwsMovie)
{
    Bytes out(fwsMovie.begin(), fwsMovie.begin() + 8);
    out[0] = 'C';
    const Bytes packed = zlib(Bytes(fwsMovie.begin() + 8, fwsMovie.end()));
    out.insert(out.end(), packed.begin(), packed.end());
    return out;
}

ShapeRecords::ShapeRecords(unsigned fillBits, unsigned lineBits)
    : m_fillBits(fillBits)
    , m_lineBits(lineBits)
{
    m_bits.ub(4, fillBits);
    m_bits.ub(4, lineBits);
}

void ShapeRecords::styleFields(unsigned flags, const StyleChange &change)
{
    flags |= (change.moveTo ? 0x01 : 0) | (change.fill0 ? 0x02 : 0) | (change.fill1 ? 0x04 : 0)
             | (change.line ? 0x08 : 0);
    m_bits.ub(1, 0);
    m_bits.ub(5, flags);
    if (change.moveTo) {
        const unsigned n = signedBits({change.moveTo->x, change.moveTo->y}); // ub(5) rejects n > 31
        m_bits.ub(5, n);
        m_bits.sb(n, change.moveTo->x);
        m_bits.sb(n, change.moveTo->y);
    }
    if (change.fill0)
        m_bits.ub(m_fillBits, *change.fill0);
    if (change.fill1)
        m_bits.ub(m_fillBits, *change.fill1);
    if (change.line)
        m_bits.ub(m_lineBits, *change.line);
}

ShapeRecords &ShapeRecords::change(const StyleChange &change)
{
    styleFields(0, change);
    return *this;
}

ShapeRecords &ShapeRecords::newStyles(const StyleChange &change, const Bytes &fillStyles, const Bytes &lineStyles,
                                      unsigned fillBits, unsigned lineBits)
{
    styleFields(0x10, change);
    m_bits.bytes(fillStyles);
    m_bits.bytes(lineStyles);
    m_fillBits = fillBits;
    m_lineBits = lineBits;
    m_bits.ub(4, fillBits);
    m_bits.ub(4, lineBits);
    return *this;
}

ShapeRecords &ShapeRecords::line(std::int32_t dx, std::int32_t dy)
{
    const unsigned n = std::max(2u, signedBits({dx, dy})); // ub(4) rejects n > 17
    m_bits.ub(2, 3);
    m_bits.ub(4, n - 2);
    if (dx != 0 && dy != 0) {
        m_bits.ub(1, 1);
        m_bits.sb(n, dx);
        m_bits.sb(n, dy);
    } else {
        m_bits.ub(1, 0);
        m_bits.ub(1, dx == 0); // vertical
        m_bits.sb(n, dx == 0 ? dy : dx);
    }
    return *this;
}

ShapeRecords &ShapeRecords::curve(std::int32_t controlDx, std::int32_t controlDy, std::int32_t anchorDx,
                                  std::int32_t anchorDy)
{
    const unsigned n = std::max(2u, signedBits({controlDx, controlDy, anchorDx, anchorDy}));
    m_bits.ub(2, 2);
    m_bits.ub(4, n - 2);
    m_bits.sb(n, controlDx);
    m_bits.sb(n, controlDy);
    m_bits.sb(n, anchorDx);
    m_bits.sb(n, anchorDy);
    return *this;
}

Bytes ShapeRecords::end()
{
    m_bits.ub(6, 0);
    return m_bits.take();
}

Bytes solidRgb(Rgba c)
{
    return {0x00, c.r, c.g, c.b};
}

Bytes solidRgba(Rgba c)
{
    return {0x00, c.r, c.g, c.b, c.a};
}

Bytes shapeBody(std::uint16_t id, Rect bounds, const Bytes &fillStyles, const Bytes &lineStyles, ShapeRecords &records)
{
    return cat({le16(id), rect(bounds), fillStyles, lineStyles, records.end()});
}

Bytes redRectangle()
{
    return {0x46, 0x57, 0x53, 0x08, 0x4d, 0x00, 0x00, 0x00, 0x68, 0x00, 0x1f, 0x40, 0x00, 0x03, 0xe8, 0x00,
            0x00, 0x19, 0x01, 0x00, 0x44, 0x11, 0x00, 0x00, 0x00, 0x00, 0x43, 0x02, 0xff, 0xff, 0xff, 0xa0,
            0x00, 0x01, 0x00, 0x68, 0x64, 0x12, 0xc0, 0x19, 0x02, 0xbc, 0x00, 0x01, 0x00, 0xff, 0x00, 0x00,
            0x00, 0x10, 0x15, 0x4c, 0x83, 0x21, 0xe8, 0x7d, 0x0e, 0x57, 0xd1, 0xd1, 0x06, 0x1c, 0xb0, 0x60,
            0x00, 0x86, 0x06, 0x06, 0x01, 0x00, 0x01, 0x00, 0x00, 0x40, 0x00, 0x00, 0x00};
}

Bytes halfSizePlace()
{
    return {0x94, 0x06, 0x0e, 0x01, 0x00, 0x01, 0x00, 0xc5, 0x00, 0x00, 0x80, 0x00,
            0x31, 0xf4, 0x0f, 0xa0, 0x69, 0x00, 0x40, 0x10, 0x02, 0x00};
}

Bytes redRectangleHalfSize()
{
    // The 8-byte PlaceObject2 at 65..72 becomes the 22-byte one; FileLength grows by 14.
    const Bytes plain = redRectangle();
    Bytes out(plain.begin(), plain.begin() + 65);
    const Bytes place = halfSizePlace();
    out.insert(out.end(), place.begin(), place.end());
    out.insert(out.end(), plain.begin() + 73, plain.end());
    out[4] = std::uint8_t(out.size());
    return out;
}

} // namespace velumo::swf::test
