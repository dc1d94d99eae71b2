#pragma once

#include <cstdint>

namespace velumo {

enum class YuvRange { Limited, Full };

// Writes a picture of 32-bit pixels laid out B, G, R, x (QImage's RGB32 on little-endian
// machines) as planar YUV 4:2:0 with BT.601 colours: studio range (16-235) for the video
// encoders, full range for JPEG. Chroma is the mean of each 2 x 2 block; an odd last row or
// column stands for itself. Written for the compiler's vectoriser: several times faster than
// the general scaler for the one conversion every album frame needs.
void convertBgrxToYuv420(const std::uint8_t *source, int sourceStride, int width, int height, YuvRange range,
                         std::uint8_t *y, int yStride, std::uint8_t *u, int uStride, std::uint8_t *v, int vStride);

} // namespace velumo
