#include "media/photo/thumbnail.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>

namespace velumo {
namespace {

constexpr int kCardBorder = 4;
const QColor kBevelLight(255, 255, 255);
const QColor kBevelShadow(160, 160, 160);

} // namespace

QSize thumbnailPictureSize(QSize displayedPhoto, QSize cell)
{
    const int boxWidth = std::max(cell.width() - kThumbnailCellMargin, 1);
    const int boxHeight = std::max(cell.height() - kThumbnailCellMargin, 1);
    const std::int64_t w = std::max(displayedPhoto.width(), 1);
    const std::int64_t h = std::max(displayedPhoto.height(), 1);
    QSize size = w >= h ? QSize(boxWidth, int(h * boxWidth / w)) : QSize(int(w * boxHeight / h), boxHeight);
    return size.expandedTo(QSize(1, 1));
}

QImage frameThumbnail(const QImage &picture)
{
    QImage card(picture.width() + 2 * kCardBorder, picture.height() + 2 * kCardBorder, QImage::Format_RGB32);
    card.fill(Qt::white);
    QPainter painter(&card);
    painter.drawImage(kCardBorder, kCardBorder, picture);
    const int right = card.width() - 1;
    const int bottom = card.height() - 1;
    painter.setPen(kBevelLight);
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(kBevelShadow);
    painter.drawLine(0, bottom, right, bottom);
    painter.drawLine(right, 0, right, bottom);
    return card;
}

} // namespace velumo
