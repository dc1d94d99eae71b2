#include "tests/support/jpeg_fixtures.h"

#include <QPainter>

#include <cstdlib>

namespace velumo::test {

QImage quadrantPicture(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    const int halfW = size.width() / 2;
    const int halfH = size.height() / 2;
    QPainter painter(&image);
    painter.fillRect(0, 0, halfW, halfH, kTopLeft);
    painter.fillRect(halfW, 0, size.width() - halfW, halfH, kTopRight);
    painter.fillRect(0, halfH, halfW, size.height() - halfH, kBottomLeft);
    painter.fillRect(halfW, halfH, size.width() - halfW, size.height() - halfH, kBottomRight);
    return image;
}

QByteArray jpegClaimingSize(QSize claimed)
{
    QByteArray bytes = encodeJpeg(quadrantPicture(QSize(16, 16)));
    // SOF0: FF C0, length(2), precision(1), height(2), width(2).
    const qsizetype sof = bytes.indexOf(QByteArray("\xFF\xC0", 2));
    bytes[sof + 5] = char(claimed.height() >> 8);
    bytes[sof + 6] = char(claimed.height() & 0xFF);
    bytes[sof + 7] = char(claimed.width() >> 8);
    bytes[sof + 8] = char(claimed.width() & 0xFF);
    return bytes;
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

} // namespace velumo::test
