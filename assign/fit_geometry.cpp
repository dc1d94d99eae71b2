#include "assign/fit_geometry.h"

#include <algorithm>
#include <cstdint>

namespace velumo {
namespace {

// a × b / c with the product first, as every size here is computed.
int scale(int a, int b, int c)
{
    return int(std::int64_t(a) * b / c);
}

// A thin panorama must not scale to nothing.
QSize atLeastOnePixel(QSize size)
{
    return QSize(std::max(size.width(), 1), std::max(size.height(), 1));
}

FitGeometry coverSlot(int w, int h, QSize slot)
{
    const int sw = slot.width();
    const int sh = slot.height();
    QSize scaled;
    if (w >= h) {
        scaled = QSize(scale(w, sh, h), sh);
        if (scaled.width() < sw)
            scaled = QSize(sw, scale(h, sw, w));
    } else {
        scaled = QSize(sw, scale(h, sw, w));
        if (scaled.height() < sh)
            scaled = QSize(scale(w, sh, h), sh);
    }
    return {atLeastOnePixel(scaled), slot};
}

FitGeometry fullScreen(int w, int h, CropModes modes)
{
    const int bw = kFullScreenBox.width();
    const int bh = kFullScreenBox.height();
    if (w >= h) {
        QSize scaled(bw, scale(h, bw, w));
        if (modes.landscapeFullScreen)
            return {atLeastOnePixel(scaled), kFullScreenBox};
        if (scaled.height() > bh)
            scaled = QSize(scale(w, bh, h), bh);
        scaled = atLeastOnePixel(scaled);
        return {scaled, scaled};
    }
    QSize scaled = atLeastOnePixel(QSize(scale(w, bh, h), bh));
    if (!modes.portraitEnlarge)
        return {scaled, scaled};
    // Enlarged by a third; the top three quarters stay on a full-height canvas.
    const int enlargedHeight = bh + bh / 3;
    const int enlargedWidth = std::max(scale(scaled.width(), enlargedHeight, bh), 1);
    return {QSize(enlargedWidth, enlargedHeight), QSize(enlargedWidth, bh)};
}

} // namespace

FitGeometry fitGeometry(QSize photo, QSize slot, CropModes modes)
{
    const int w = std::max(photo.width(), 1);
    const int h = std::max(photo.height(), 1);
    if (slot.width() > 0 && slot.height() > 0)
        return coverSlot(w, h, slot);
    return fullScreen(w, h, modes);
}

} // namespace velumo
