#pragma once

#include <QImage>
#include <QSize>

namespace velumo {

// The picture box of a thumbnail is this much smaller than its cell in each direction.
inline constexpr int kThumbnailCellMargin = 30;

// The size of the photo's picture in a thumbnail cell: the long side fills the box, the other
// follows the displayed aspect (integer arithmetic, products first).
QSize thumbnailPictureSize(QSize displayedPhoto, QSize cell);

// The picture on a white card 8 pixels wider and higher, drawn at (4, 4), with a raised
// one-pixel bevel as the outermost ring.
QImage frameThumbnail(const QImage &picture);

} // namespace velumo
