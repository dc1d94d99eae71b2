#include "players/swf/reader/records.h"

#include "players/swf/reader/bit_reader.h"

namespace velumo::swf {

Rect readRect(ByteReader &in)
{
    BitReader bits(in);
    const unsigned n = bits.ub(5);
    Rect rect;
    rect.xMin = bits.sb(n);
    rect.xMax = bits.sb(n);
    rect.yMin = bits.sb(n);
    rect.yMax = bits.sb(n);
    return rect;
}

Matrix readMatrix(ByteReader &in)
{
    BitReader bits(in);
    Matrix m;
    if (bits.flag()) {
        const unsigned n = bits.ub(5);
        m.a = bits.fb(n);
        m.d = bits.fb(n);
    }
    if (bits.flag()) {
        const unsigned n = bits.ub(5);
        m.b = bits.fb(n);
        m.c = bits.fb(n);
    }
    const unsigned n = bits.ub(5);
    m.tx = bits.sb(n);
    m.ty = bits.sb(n);
    return m;
}

ColorTransform readColorTransform(ByteReader &in, bool withAlpha)
{
    BitReader bits(in);
    // The flags come add-first, the terms multiply-first.
    const bool hasAdd = bits.flag();
    const bool hasMul = bits.flag();
    const unsigned n = bits.ub(4); // at most 15 bits: every term fits an int16
    ColorTransform cx;
    auto term = [&] { return static_cast<std::int16_t>(bits.sb(n)); };
    if (hasMul) {
        cx.rMul = term();
        cx.gMul = term();
        cx.bMul = term();
        if (withAlpha)
            cx.aMul = term();
    }
    if (hasAdd) {
        cx.rAdd = term();
        cx.gAdd = term();
        cx.bAdd = term();
        if (withAlpha)
            cx.aAdd = term();
    }
    return cx;
}

Rgba readRgb(ByteReader &in)
{
    const auto bytes = in.take(3);
    return {bytes[0], bytes[1], bytes[2], 255};
}

Rgba readRgba(ByteReader &in)
{
    const auto bytes = in.take(4);
    return {bytes[0], bytes[1], bytes[2], bytes[3]};
}

} // namespace velumo::swf
