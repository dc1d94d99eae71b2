#pragma once

// Hand-built movie bytes for the reader's tests and the fuzz corpus. Deliberately independent of
// the project's writer, so that the two cannot share one misreading of the format.

#include "players/swf/model.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace velumo::swf::test {

using Bytes = std::vector<std::uint8_t>;

Bytes cat(std::initializer_list<Bytes> parts);
Bytes le16(std::uint16_t value);
Bytes le32(std::uint32_t value);
Bytes zlib(const Bytes &data);
Bytes cstring(const char *text); // with its NUL

// MSB-first bit fields.
class BitWriter
{
public:
    void ub(unsigned bits, std::uint32_t value);
    void sb(unsigned bits, std::int32_t value);
    void align();
    void bytes(const Bytes &data); // aligns first
    Bytes take();

private:
    Bytes m_out;
    unsigned m_used = 0; // bits used in the last byte, 0 when aligned
};

// Smallest n for which SB[n] holds every value.
unsigned signedBits(std::initializer_list<std::int32_t> values);
Bytes rect(Rect r);
Bytes matrix(const Matrix &m);

// A tag; the long header form when `longForm` or when the body needs it.
Bytes tag(std::uint16_t code, const Bytes &body, bool longForm = false);
// File header + movie header (200×100 px stage, 25 fps) + tags. No End is added.
Bytes movieBytes(const Bytes &tags, std::uint16_t frameCount = 1, std::uint8_t version = 8);
// The same with a zlib body (CWS); FileLength is the uncompressed length.
Bytes compressed(const Bytes &fwsMovie);

struct StyleChange
{
    std::optional<Point> moveTo = std::nullopt;
    std::optional<unsigned> fill0 = std::nullopt;
    std::optional<unsigned> fill1 = std::nullopt;
    std::optional<unsigned> line = std::nullopt;
};

// SHAPEWITHSTYLE's bit counts and shape records.
class ShapeRecords
{
public:
    ShapeRecords(unsigned fillBits, unsigned lineBits);
    ShapeRecords &change(const StyleChange &change);
    // A style change with new style arrays (count bytes included) and bit counts.
    ShapeRecords &newStyles(const StyleChange &change, const Bytes &fillStyles, const Bytes &lineStyles,
                            unsigned fillBits, unsigned lineBits);
    ShapeRecords &line(std::int32_t dx, std::int32_t dy);
    ShapeRecords &curve(std::int32_t controlDx, std::int32_t controlDy, std::int32_t anchorDx, std::int32_t anchorDy);
    Bytes end(); // the end record, aligned

private:
    void styleFields(unsigned flags, const StyleChange &change);

    BitWriter m_bits;
    unsigned m_fillBits;
    unsigned m_lineBits;
};

Bytes solidRgb(Rgba c);  // FILLSTYLE 0x00 with RGB
Bytes solidRgba(Rgba c); // FILLSTYLE 0x00 with RGBA
// DefineShape (version 1–3) body: id, bounds, fill array, line array, records.
Bytes shapeBody(std::uint16_t id, Rect bounds, const Bytes &fillStyles, const Bytes &lineStyles, ShapeRecords &records);

// The red rectangle, 77 bytes written out by hand: FWS 8, 200×100 px stage, a 100×50 px
// red rectangle at (20, 20) px placed at depth 1.
Bytes redRectangle();
// The PlaceObject2 that shows it at half size, moved by (2000, 1000) twips, alpha ×0.5.
Bytes halfSizePlace();
Bytes redRectangleHalfSize();

} // namespace velumo::swf::test
