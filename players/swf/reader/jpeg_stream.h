#pragma once

// Byte-level fix-ups of the encoded images that bitmap tags hold.

#include <cstdint>
#include <span>
#include <vector>

namespace velumo::swf {

enum class EncodedKind { Jpeg, Png, Gif };

// JPEG unless the bytes start with the PNG or GIF89a signature (bitmap tags of SWF 8 may hold those).
EncodedKind sniffEncodedImage(std::span<const std::uint8_t> bytes);

// Old encoders wrote a stray EOI + SOI pair (FF D9 FF D8) at the start of the data or before
// the frame header, and DefineBits data is split from its tables by the same pair. Drops every
// SOI and EOI marker between the first SOI and the start of scan, so decoders see one stream.
// Bytes that do not look like a JPEG come back unchanged.
std::vector<std::uint8_t> repairJpeg(std::span<const std::uint8_t> bytes);

// DefineBits: the movie's JPEGTables stream glued in front of the image stream.
std::vector<std::uint8_t> joinJpegTables(std::span<const std::uint8_t> tables, std::span<const std::uint8_t> image);

} // namespace velumo::swf
