#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

namespace velumo::test {

enum class JpegColour { Rgb, Grey, Cmyk };

struct JpegOptions
{
    JpegColour colour = JpegColour::Rgb;
    bool progressive = false;
    int exifOrientation = 0; // 0: no EXIF block; 1..8: the stored orientation tag
    int quality = 90;
};

// The quadrant colours of quadrantPicture(), as stored.
inline const QColor kTopLeft{220, 30, 30};
inline const QColor kTopRight{30, 200, 30};
inline const QColor kBottomLeft{30, 30, 220};
inline const QColor kBottomRight{230, 230, 30};

// A picture of four flat quadrants, so tests can tell where its corners went.
QImage quadrantPicture(QSize size);

// `picture` encoded as a JPEG file by libjpeg, with the options given.
QByteArray encodeJpeg(const QImage &picture, const JpegOptions &options = {});

// A small real JPEG whose frame header claims `claimed` instead of its real size.
QByteArray jpegClaimingSize(QSize claimed);

// Whether two colours differ by at most `tolerance` in every channel (JPEG is lossy).
bool near(QColor a, QColor b, int tolerance = 40);

} // namespace velumo::test
