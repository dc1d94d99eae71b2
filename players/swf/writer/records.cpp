#include "players/swf/writer/records.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

namespace velumo::swf::writer {

namespace {

int widest(std::initializer_list<std::int32_t> values)
{
    int bits = 0;
    for (std::int32_t v : values)
        bits = std::max(bits, signedBits(v));
    return bits;
}

std::int32_t wholeTwips(double value)
{
    const double rounded = std::round(value);
    if (!std::isfinite(rounded) || std::abs(rounded) >= 1073741824.0)
        throw WriteError("translation out of range: " + std::to_string(value));
    return static_cast<std::int32_t>(rounded);
}

void writeGradient(BitWriter &out, const Gradient &gradient, int shapeVersion)
{
    if (gradient.records.empty() || gradient.records.size() > 15)
        throw WriteError("a gradient needs 1 to 15 colour records, not " + std::to_string(gradient.records.size()));
    if (shapeVersion < 4 && (gradient.spread != 0 || gradient.interpolation != 0))
        throw WriteError("gradient spread and interpolation modes need DefineShape4");
    out.ub(gradient.spread, 2);
    out.ub(gradient.interpolation, 2);
    out.ub(static_cast<std::uint32_t>(gradient.records.size()), 4);
    std::uint8_t previous = 0;
    for (const GradientRecord &record : gradient.records) {
        if (record.ratio < previous)
            throw WriteError("gradient ratios must not decrease");
        previous = record.ratio;
        out.u8(record.ratio);
        writeColour(out, record.colour, shapeVersion >= 3);
    }
}

} // namespace

void writeRect(BitWriter &out, const Rect &rect)
{
    const int bits = widest({rect.xMin, rect.xMax, rect.yMin, rect.yMax});
    out.ub(static_cast<std::uint32_t>(bits), 5);
    out.sb(rect.xMin, bits);
    out.sb(rect.xMax, bits);
    out.sb(rect.yMin, bits);
    out.sb(rect.yMax, bits);
    out.align();
}

void writeMatrix(BitWriter &out, const Matrix &matrix)
{
    const std::int32_t a = toFixed16(matrix.a);
    const std::int32_t d = toFixed16(matrix.d);
    const std::int32_t b = toFixed16(matrix.b);
    const std::int32_t c = toFixed16(matrix.c);
    // An absent scale reads as 1.0, absent rotate/skew terms as 0.
    const bool hasScale = a != 65536 || d != 65536;
    out.flag(hasScale);
    if (hasScale) {
        const int bits = widest({a, d});
        out.ub(static_cast<std::uint32_t>(bits), 5);
        out.sb(a, bits);
        out.sb(d, bits);
    }
    const bool hasRotate = b != 0 || c != 0;
    out.flag(hasRotate);
    if (hasRotate) {
        const int bits = widest({b, c});
        out.ub(static_cast<std::uint32_t>(bits), 5);
        out.sb(b, bits); // RotateSkew0: y' gets b·x
        out.sb(c, bits); // RotateSkew1: x' gets c·y
    }
    const std::int32_t tx = wholeTwips(matrix.tx);
    const std::int32_t ty = wholeTwips(matrix.ty);
    const int bits = widest({tx, ty});
    out.ub(static_cast<std::uint32_t>(bits), 5);
    out.sb(tx, bits);
    out.sb(ty, bits);
    out.align();
}

void writeColorTransform(BitWriter &out, const ColorTransform &t)
{
    const bool hasAdd = t.rAdd != 0 || t.gAdd != 0 || t.bAdd != 0 || t.aAdd != 0;
    const bool hasMul = t.rMul != 256 || t.gMul != 256 || t.bMul != 256 || t.aMul != 256;
    int bits = 0;
    if (hasMul)
        bits = std::max(bits, widest({t.rMul, t.gMul, t.bMul, t.aMul}));
    if (hasAdd)
        bits = std::max(bits, widest({t.rAdd, t.gAdd, t.bAdd, t.aAdd}));
    if (bits > 15)
        throw WriteError("colour transform term out of range (the format holds 15 signed bits)");
    // The flags go add-then-multiply, the terms multiply-then-add.
    out.flag(hasAdd);
    out.flag(hasMul);
    out.ub(static_cast<std::uint32_t>(bits), 4);
    if (hasMul) {
        for (std::int16_t v : {t.rMul, t.gMul, t.bMul, t.aMul})
            out.sb(v, bits);
    }
    if (hasAdd) {
        for (std::int16_t v : {t.rAdd, t.gAdd, t.bAdd, t.aAdd})
            out.sb(v, bits);
    }
    out.align();
}

void writeColour(BitWriter &out, Rgba colour, bool withAlpha)
{
    if (!withAlpha && colour.a != 255)
        throw WriteError("a translucent colour needs DefineShape3 or later");
    out.u8(colour.r);
    out.u8(colour.g);
    out.u8(colour.b);
    if (withAlpha)
        out.u8(colour.a);
}

void writeFillStyle(BitWriter &out, const FillStyle &style, int shapeVersion)
{
    out.u8(static_cast<std::uint8_t>(style.kind));
    switch (style.kind) {
    case FillKind::Solid:
        writeColour(out, style.colour, shapeVersion >= 3);
        return;
    case FillKind::LinearGradient:
    case FillKind::RadialGradient:
        writeMatrix(out, style.matrix);
        writeGradient(out, style.gradient, shapeVersion);
        return;
    case FillKind::FocalGradient:
        if (shapeVersion < 4)
            throw WriteError("a focal gradient needs DefineShape4");
        writeMatrix(out, style.matrix);
        writeGradient(out, style.gradient, shapeVersion);
        if (!(std::abs(style.gradient.focalPoint) <= 1.0))
            throw WriteError("focal point outside -1..1: " + std::to_string(style.gradient.focalPoint));
        out.u16(static_cast<std::uint16_t>(toFixed8(style.gradient.focalPoint)));
        return;
    case FillKind::RepeatingBitmap:
    case FillKind::ClippedBitmap:
    case FillKind::RepeatingBitmapHard:
    case FillKind::ClippedBitmapHard:
        out.u16(style.bitmapId);
        writeMatrix(out, style.matrix);
        return;
    }
    throw WriteError("unknown fill style type " + std::to_string(static_cast<int>(style.kind)));
}

void writeLineStyle(BitWriter &out, const LineStyle &style, int shapeVersion)
{
    out.u16(style.width);
    if (shapeVersion < 4) {
        if (style.fill)
            throw WriteError("a filled line needs DefineShape4");
        writeColour(out, style.colour, shapeVersion >= 3);
        return;
    }
    // LINESTYLE2 with round caps and joins, scaling strokes: what DefineShape1-3 lines do.
    out.ub(0, 2); // start cap: round
    out.ub(0, 2); // join: round
    out.flag(style.fill.has_value());
    out.flag(false); // NoHScale
    out.flag(false); // NoVScale
    out.flag(false); // PixelHinting
    out.ub(0, 5);    // reserved
    out.flag(false); // NoClose
    out.ub(0, 2);    // end cap: round
    if (style.fill)
        writeFillStyle(out, *style.fill, shapeVersion);
    else
        writeColour(out, style.colour, true);
}

} // namespace velumo::swf::writer
