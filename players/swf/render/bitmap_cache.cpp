#include "players/swf/render/bitmap_cache.h"

#include <array>
#include <functional>

namespace velumo::swf {

namespace {

// Copies unused for this many frames are dropped.
constexpr std::uint64_t kKeepPaints = 3;

bool isDrawable(const QImage &image)
{
    return image.format() == QImage::Format_RGB32 || image.format() == QImage::Format_ARGB32_Premultiplied;
}

QImage drawableCopy(const QImage &source)
{
    return source.convertToFormat(source.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

QImage recolour(const QImage &source, const ColorTransform &cx)
{
    std::array<std::uint8_t, 256> r{}, g{}, b{}, a{};
    for (int i = 0; i < 256; ++i) {
        const auto v = std::uint8_t(i);
        const Rgba out = cx.apply(Rgba{v, v, v, v});
        r[std::size_t(i)] = out.r;
        g[std::size_t(i)] = out.g;
        b[std::size_t(i)] = out.b;
        a[std::size_t(i)] = out.a;
    }

    // One pass from the drawable form straight into the result: photos are large and an
    // animated transform makes a new copy every frame.
    const QImage in = isDrawable(source) ? source : drawableCopy(source);
    const bool premultipliedIn = in.format() == QImage::Format_ARGB32_Premultiplied;
    const bool opaque = !premultipliedIn && a[255] == 255;
    QImage out(in.size(), opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    const int width = in.width();
    auto mapped = [&](QRgb p) {
        return qRgba(r[qRed(p)], g[qGreen(p)], b[qBlue(p)], a[qAlpha(p)]);
    };
    for (int y = 0; y < in.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(in.constScanLine(y));
        auto *to = reinterpret_cast<QRgb *>(out.scanLine(y));
        if (opaque) {
            for (int x = 0; x < width; ++x)
                to[x] = mapped(from[x] | 0xff000000u);
        } else if (premultipliedIn) {
            for (int x = 0; x < width; ++x)
                to[x] = qPremultiply(mapped(qUnpremultiply(from[x])));
        } else {
            for (int x = 0; x < width; ++x)
                to[x] = qPremultiply(mapped(from[x] | 0xff000000u));
        }
    }
    return out;
}

} // namespace

std::size_t BitmapCache::KeyHash::operator()(const Key &key) const
{
    const ColorTransform &c = key.cx;
    std::size_t h = std::hash<qint64>{}(key.image);
    for (std::int16_t v : {c.rMul, c.gMul, c.bMul, c.aMul, c.rAdd, c.gAdd, c.bAdd, c.aAdd})
        h = h * 1000003u ^ std::size_t(std::uint16_t(v));
    return h;
}

const QImage &BitmapCache::drawable(const QImage &source)
{
    if (isDrawable(source))
        return source;
    return lookup(source, ColorTransform{});
}

const QImage &BitmapCache::recoloured(const QImage &source, const ColorTransform &cx)
{
    return lookup(source, cx);
}

const QImage &BitmapCache::lookup(const QImage &source, const ColorTransform &cx)
{
    auto [it, added] = m_images.try_emplace(Key{source.cacheKey(), cx});
    if (added) {
        it->second.image = cx.isIdentity() ? drawableCopy(source) : recolour(source, cx);
    }
    it->second.lastPaint = m_paint;
    return it->second.image;
}

void BitmapCache::endPaint()
{
    ++m_paint;
    std::erase_if(m_images, [this](const auto &item) { return item.second.lastPaint + kKeepPaints < m_paint; });
}

} // namespace velumo::swf
