#include "players/swf/model.h"

#include <algorithm>

namespace velumo::swf {

namespace {

std::uint8_t channel(int value, int mul, int add)
{
    return static_cast<std::uint8_t>(std::clamp(value * mul / 256 + add, 0, 255));
}

std::int16_t clamp16(long value)
{
    return static_cast<std::int16_t>(std::clamp<long>(value, -32768, 32767));
}

} // namespace

bool ColorTransform::isIdentity() const
{
    return *this == ColorTransform{};
}

bool ColorTransform::isAlphaOnly() const
{
    ColorTransform withoutAlpha = *this;
    withoutAlpha.aMul = 256;
    return withoutAlpha.isIdentity();
}

Rgba ColorTransform::apply(Rgba c) const
{
    return {channel(c.r, rMul, rAdd), channel(c.g, gMul, gAdd), channel(c.b, bMul, bAdd), channel(c.a, aMul, aAdd)};
}

ColorTransform ColorTransform::concat(const ColorTransform &child, const ColorTransform &parent)
{
    // (c·m1/256 + a1)·m2/256 + a2 = c·(m1·m2/256)/256 + (a1·m2/256 + a2)
    auto mul = [](int m1, int m2) { return clamp16(long(m1) * m2 / 256); };
    auto add = [](int a1, int m2, int a2) { return clamp16(long(a1) * m2 / 256 + a2); };
    return {mul(child.rMul, parent.rMul), mul(child.gMul, parent.gMul), mul(child.bMul, parent.bMul),
            mul(child.aMul, parent.aMul), add(child.rAdd, parent.rMul, parent.rAdd),
            add(child.gAdd, parent.gMul, parent.gAdd), add(child.bAdd, parent.bMul, parent.bAdd),
            add(child.aAdd, parent.aMul, parent.aAdd)};
}

} // namespace velumo::swf
