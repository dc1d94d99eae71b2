#pragma once

// DefineBitsLossless and DefineBitsLossless2 bodies: palette, 15-bit and 32-bit pixels.

#include "players/swf/model.h"
#include "players/swf/reader/byte_reader.h"
#include "players/swf/reader/limits.h"

namespace velumo::swf {

// `withAlpha` for DefineBitsLossless2.
BitmapDef readLosslessBitmap(ByteReader &body, bool withAlpha, Budget &budget);

} // namespace velumo::swf
