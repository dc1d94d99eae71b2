#pragma once

#include <QImage>
#include <QString>

#include <vector>

namespace velumo::samples {

// One sample photo: a scene drawn in code, the file it is stored as and how it is stored.
// A photo stored sideways holds its picture turned a quarter to the left together with EXIF
// orientation 6, as a camera held upright writes it; viewers turn it back.
struct SamplePhoto
{
    QString fileName;
    QImage picture; // as it is meant to be seen
    bool storedSideways = false;
};

// Landscape and portrait scenes: a sunset by the sea, mountains over a lake, an autumn wood,
// balloons in the sky, a path through flowers and a moonlit night.
std::vector<SamplePhoto> samplePhotos();

// The JPEG file of a sample photo, EXIF orientation included.
QByteArray encodeSamplePhoto(const SamplePhoto &photo);

} // namespace velumo::samples
