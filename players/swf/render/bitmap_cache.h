#pragma once

#include "players/swf/model.h"

#include <QImage>

#include <cstdint>
#include <unordered_map>

namespace velumo::swf {

// Bitmaps in the form the raster engine draws fastest, and recoloured copies. Entries are
// keyed by QImage::cacheKey(), which changes whenever an image's pixels change.
class BitmapCache
{
public:
    // `source` itself when it is RGB32 or ARGB32 premultiplied, otherwise a copy converted once.
    const QImage &drawable(const QImage &source);
    // `source` with `cx` applied to every pixel (straight alpha, as for solid colours).
    const QImage &recoloured(const QImage &source, const ColorTransform &cx);

    // Called once per painted frame: drops copies that recent frames did not use, so that an
    // animated colour transform does not pile up one copy per frame.
    void endPaint();
    void clear() { m_images.clear(); }
    std::size_t size() const { return m_images.size(); }

private:
    struct Key
    {
        qint64 image = 0;
        ColorTransform cx;
        friend bool operator==(const Key &, const Key &) = default;
    };
    struct KeyHash
    {
        std::size_t operator()(const Key &key) const;
    };
    struct Entry
    {
        QImage image;
        std::uint64_t lastPaint = 0;
    };

    const QImage &lookup(const QImage &source, const ColorTransform &cx);

    std::unordered_map<Key, Entry, KeyHash> m_images;
    std::uint64_t m_paint = 0;
};

} // namespace velumo::swf
