#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QTransform>

#include <cstdint>
#include <unordered_map>

namespace velumo::swf {

// Images that stand still on the screen, painted once at their place. A template's backdrop,
// frame or decoration is often drawn with the same transform for hundreds of frames; drawing it
// again through the smooth transformed-image path costs ten times as much as laying down the
// pixels it produced. An image drawn with the same transform in two paints in a row is kept
// (clipped to the painted area) from the second paint on and dropped once a paint does not
// use it.
class StillImageCache
{
public:
    struct Still
    {
        QImage pixels; // premultiplied; null when nothing of the image falls in the area
        QPoint topLeft;
    };

    // The kept picture of `image` drawn with `transform` (device pixels) into `area`, or
    // nullptr when it should be drawn directly this time.
    const Still *find(const QImage &image, const QTransform &transform, bool smooth, const QRect &area);
    // Called after every paint.
    void endPaint();
    void clear();
    std::size_t size() const { return m_stills.size(); }

private:
    struct Key
    {
        qint64 image = 0;
        qreal m11 = 0, m12 = 0, m21 = 0, m22 = 0, dx = 0, dy = 0;
        bool smooth = false;
        QRect area;
        friend bool operator==(const Key &, const Key &) = default;
    };
    struct KeyHash
    {
        std::size_t operator()(const Key &key) const;
    };
    struct Entry
    {
        Still still;
        bool used = false;
    };

    static Still paintStill(const QImage &image, const QTransform &transform, bool smooth, const QRect &area);

    std::unordered_map<Key, Entry, KeyHash> m_stills;
    std::unordered_map<Key, bool, KeyHash> m_seenBefore; // drawn in the previous paint
    std::unordered_map<Key, bool, KeyHash> m_seenNow;
    qint64 m_bytes = 0;
};

} // namespace velumo::swf
