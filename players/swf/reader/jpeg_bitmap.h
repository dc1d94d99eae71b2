#pragma once

// DefineBits, DefineBitsJPEG2, DefineBitsJPEG3 and DefineBitsJPEG4 bodies.

#include "players/swf/model.h"
#include "players/swf/reader/byte_reader.h"
#include "players/swf/reader/limits.h"

#include <cstdint>
#include <span>

namespace velumo::swf {

// `jpegTables` is the movie's JPEGTables body (empty when none), used by DefineBits only.
BitmapDef readJpegBitmap(ByteReader &body, std::uint16_t tagCode, std::span<const std::uint8_t> jpegTables,
                         Budget &budget);

} // namespace velumo::swf
