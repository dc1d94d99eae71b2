#pragma once

// Bodies of the bitmap definition tags, and the zlib compression they and CWS files use.

#include "players/swf/writer/bit_writer.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <span>

namespace velumo::swf::writer {

// One zlib stream (header, deflate data, Adler-32).
Bytes zlibCompress(std::span<const std::uint8_t> data);

// True when some pixel is not fully opaque.
bool hasTransparency(const QImage &image);

// DefineBitsJPEG2: the id, then a complete JPEG file (tables and scan).
Bytes jpeg2Body(std::uint16_t id, std::span<const std::uint8_t> jpeg);
struct JpegTagBody
{
    Bytes body;
    bool withAlpha = false; // DefineBitsJPEG3 rather than DefineBitsJPEG2
};
// DefineBitsJPEG2 from an opaque image, or DefineBitsJPEG3 when it has transparency: the colour
// (premultiplied by alpha) as JPEG at `quality` (0-100), the alpha as one zlib byte per pixel.
JpegTagBody jpegBody(std::uint16_t id, const QImage &image, int quality);
// DefineBitsLossless2 format 5: premultiplied A, R, G, B bytes per pixel, zlib compressed.
Bytes lossless2Body(std::uint16_t id, const QImage &image);

} // namespace velumo::swf::writer
