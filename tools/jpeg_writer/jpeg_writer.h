#pragma once

#include <QByteArray>
#include <QImage>

namespace velumo {

enum class JpegColour { Rgb, Grey, Cmyk };

struct JpegOptions
{
    JpegColour colour = JpegColour::Rgb;
    bool progressive = false;
    int exifOrientation = 0; // 0: no EXIF block; 1..8: the stored orientation tag
    int quality = 90;
};

// `picture` encoded as a JPEG file by libjpeg, with the options given. Used where the project
// makes photos of its own: the sample photos and the tests' fixtures.
QByteArray encodeJpeg(const QImage &picture, const JpegOptions &options = {});

} // namespace velumo
