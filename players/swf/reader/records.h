#pragma once

// The small records that many tags share. Each bit-field record starts and ends on a byte.

#include "players/swf/model.h"
#include "players/swf/reader/byte_reader.h"

namespace velumo::swf {

Rect readRect(ByteReader &in);
Matrix readMatrix(ByteReader &in);
// CXFORM (PlaceObject) when withAlpha is false, CXFORMWITHALPHA otherwise.
ColorTransform readColorTransform(ByteReader &in, bool withAlpha);
Rgba readRgb(ByteReader &in);
Rgba readRgba(ByteReader &in);

} // namespace velumo::swf
