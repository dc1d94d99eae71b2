#include "players/swf/render/still_image_cache.h"

#include <QPainter>

#include <functional>

namespace velumo::swf {

namespace {

// Four full 1920 x 1080 layers; beyond that images are drawn directly.
constexpr qint64 kMaxBytes = 32 * 1024 * 1024;

template <typename T>
void mix(std::size_t &seed, const T &value)
{
    seed ^= std::hash<T>{}(value) + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

} // namespace

std::size_t StillImageCache::KeyHash::operator()(const Key &key) const
{
    std::size_t seed = 0;
    mix(seed, key.image);
    for (const qreal v : {key.m11, key.m12, key.m21, key.m22, key.dx, key.dy})
        mix(seed, v);
    mix(seed, key.smooth);
    mix(seed, key.area.x());
    mix(seed, key.area.y());
    mix(seed, key.area.width());
    mix(seed, key.area.height());
    return seed;
}

const StillImageCache::Still *StillImageCache::find(const QImage &image, const QTransform &transform, bool smooth,
                                                    const QRect &area)
{
    const Key key{image.cacheKey(), transform.m11(), transform.m12(), transform.m21(), transform.m22(),
                  transform.dx(),   transform.dy(),  smooth,          area};
    m_seenNow[key] = true;
    if (const auto it = m_stills.find(key); it != m_stills.end()) {
        it->second.used = true;
        return &it->second.still;
    }
    if (!m_seenBefore.contains(key) || m_bytes >= kMaxBytes)
        return nullptr;
    Still still = paintStill(image, transform, smooth, area);
    m_bytes += still.pixels.sizeInBytes();
    const auto [it, added] = m_stills.emplace(key, Entry{std::move(still), true});
    return &it->second.still;
}

StillImageCache::Still StillImageCache::paintStill(const QImage &image, const QTransform &transform, bool smooth,
                                                   const QRect &area)
{
    const QRect bounds = transform.mapRect(QRectF(image.rect())).toAlignedRect().intersected(area);
    if (bounds.isEmpty())
        return {};
    Still still{QImage(bounds.size(), QImage::Format_ARGB32_Premultiplied), bounds.topLeft()};
    if (still.pixels.isNull())
        return {};
    still.pixels.fill(Qt::transparent);
    QPainter painter(&still.pixels);
    // The hints the renderer draws images with.
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, smooth);
    painter.setTransform(transform * QTransform::fromTranslate(-bounds.x(), -bounds.y()));
    painter.drawImage(QPointF(0, 0), image);
    return still;
}

void StillImageCache::endPaint()
{
    for (auto it = m_stills.begin(); it != m_stills.end();) {
        if (it->second.used) {
            it->second.used = false;
            ++it;
        } else {
            m_bytes -= it->second.still.pixels.sizeInBytes();
            it = m_stills.erase(it);
        }
    }
    m_seenBefore.swap(m_seenNow);
    m_seenNow.clear();
}

void StillImageCache::clear()
{
    m_stills.clear();
    m_seenBefore.clear();
    m_seenNow.clear();
    m_bytes = 0;
}

} // namespace velumo::swf
