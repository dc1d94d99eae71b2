#pragma once

#include "tools/jpeg_writer/jpeg_writer.h"

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QSize>

namespace velumo::test {

using velumo::encodeJpeg;
using velumo::JpegColour;
using velumo::JpegOptions;

// The quadrant colours of quadrantPicture(), as stored.
inline const QColor kTopLeft{220, 30, 30};
inline const QColor kTopRight{30, 200, 30};
inline const QColor kBottomLeft{30, 30, 220};
inline const QColor kBottomRight{230, 230, 30};

// A picture of four flat quadrants, so tests can tell where its corners went.
QImage quadrantPicture(QSize size);

// A small real JPEG whose frame header claims `claimed` instead of its real size.
QByteArray jpegClaimingSize(QSize claimed);

// Whether two colours differ by at most `tolerance` in every channel (JPEG is lossy).
bool near(QColor a, QColor b, int tolerance = 40);

} // namespace velumo::test
