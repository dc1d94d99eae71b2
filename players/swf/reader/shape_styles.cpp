#include "players/swf/reader/shape_styles.h"

#include "players/swf/reader/records.h"

#include <cstdio>

namespace velumo::swf {

namespace {

Rgba readColour(ByteReader &in, ShapeVersion version)
{
    return version >= 3 ? readRgba(in) : readRgb(in);
}

std::size_t readCount(ByteReader &in, ShapeVersion version)
{
    const std::uint8_t count = in.u8();
    // The 0xFF escape to a 16-bit count exists from DefineShape2 on.
    if (count == 0xFF && version >= 2)
        return in.u16();
    return count;
}

Gradient readGradient(ByteReader &in, ShapeVersion version, bool focal)
{
    Gradient g;
    const std::uint8_t head = in.u8();
    const std::uint8_t spread = head >> 6;
    const std::uint8_t interpolation = (head >> 4) & 3;
    g.spread = spread <= 2 ? spread : 0;                 // 3 is reserved: pad
    g.interpolation = interpolation <= 1 ? interpolation : 0; // 2, 3 are reserved: sRGB
    const int count = head & 0x0F;
    g.records.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        GradientRecord record;
        record.ratio = in.u8();
        record.colour = readColour(in, version);
        g.records.push_back(record);
    }
    if (focal)
        g.focalPoint = in.s16() / 256.0;
    return g;
}

std::string hexByte(unsigned value)
{
    char text[8];
    std::snprintf(text, sizeof text, "0x%02x", value & 0xFFu);
    return text;
}

} // namespace

FillStyle readFillStyle(ByteReader &in, ShapeVersion version)
{
    FillStyle fill;
    const std::size_t at = in.offset();
    const std::uint8_t type = in.u8();
    switch (type) {
    case 0x00:
        fill.kind = FillKind::Solid;
        fill.colour = readColour(in, version);
        break;
    case 0x10:
    case 0x12:
    case 0x13:
        fill.kind = static_cast<FillKind>(type);
        fill.matrix = readMatrix(in);
        fill.gradient = readGradient(in, version, type == 0x13);
        break;
    case 0x40:
    case 0x41:
    case 0x42:
    case 0x43:
        fill.kind = static_cast<FillKind>(type);
        fill.bitmapId = in.u16();
        fill.matrix = readMatrix(in);
        break;
    default:
        throwFormatError("unknown fill style type " + hexByte(type), at);
    }
    return fill;
}

std::vector<FillStyle> readFillStyles(ByteReader &in, ShapeVersion version)
{
    const std::size_t count = readCount(in, version);
    std::vector<FillStyle> fills;
    // Every style takes at least one byte: a count beyond the tag fails before allocating.
    if (count > in.remaining())
        in.fail(std::to_string(count) + " fill styles cannot fit in the tag");
    fills.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        fills.push_back(readFillStyle(in, version));
    return fills;
}

std::vector<LineStyle> readLineStyles(ByteReader &in, ShapeVersion version)
{
    const std::size_t count = readCount(in, version);
    if (count > in.remaining())
        in.fail(std::to_string(count) + " line styles cannot fit in the tag");
    std::vector<LineStyle> lines;
    lines.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        LineStyle line;
        line.width = in.u16();
        if (version < 4) {
            line.colour = readColour(in, version);
        } else {
            // LINESTYLE2: caps, joins and scaling flags are drawn the same way here; only the
            // fill matters.
            const std::uint8_t flags1 = in.u8();
            in.u8(); // NoClose, EndCap
            const int join = (flags1 >> 4) & 3;
            const bool hasFill = (flags1 & 0x08) != 0;
            if (join == 2)
                in.u16(); // miter limit
            if (hasFill) {
                line.fill = readFillStyle(in, version);
                if (line.fill->kind == FillKind::Solid)
                    line.colour = line.fill->colour;
            } else {
                line.colour = readRgba(in);
            }
        }
        lines.push_back(line);
    }
    return lines;
}

} // namespace velumo::swf
