#pragma once

// Decodes the JPEG, PNG or GIF bytes of a bitmap tag with Qt's image readers, after checking
// the dimensions in the image header against the pixel limits.

#include "players/swf/reader/jpeg_stream.h"
#include "players/swf/reader/limits.h"

#include <QImage>

#include <cstdint>
#include <span>

namespace velumo::swf {

// Format_RGB32 for opaque images, Format_ARGB32_Premultiplied otherwise. Charges the pixels to
// `budget`. Throws FormatError naming `offset` when the image is unreadable or too large.
QImage decodeEncodedImage(std::span<const std::uint8_t> bytes, EncodedKind kind, std::size_t offset, Budget &budget);

// Checks a bitmap's dimensions against the per-bitmap and movie-wide limits and charges them.
void chargeBitmap(std::size_t width, std::size_t height, std::size_t offset, Budget &budget);

} // namespace velumo::swf
