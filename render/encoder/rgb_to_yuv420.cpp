#include "render/encoder/rgb_to_yuv420.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

// The loops are written for the compiler's vectoriser; where GCC can, it also builds an AVX2
// copy of them and picks one at run time.
#if defined(__GNUC__) && !defined(__clang__) && defined(__x86_64__) && defined(__linux__)
#define VELUMO_VECTOR_CLONES __attribute__((target_clones("avx2", "default")))
#else
#define VELUMO_VECTOR_CLONES
#endif

namespace velumo {

namespace {

// BT.601 in 8-bit fixed point (the usual integer form): luma fits 16-bit lanes.
struct Matrix
{
    std::uint16_t yR, yG, yB, yOffset;
    int uR, uG, uB;
    int vR, vG, vB;
};

constexpr Matrix kLimited{66, 129, 25, 16, -38, -74, 112, 112, -94, -18};
constexpr Matrix kFull{77, 150, 29, 0, -43, -85, 128, 128, -107, -21};

std::uint32_t pixelAt(const std::uint8_t *row, int x)
{
    std::uint32_t pixel;
    std::memcpy(&pixel, row + 4 * std::ptrdiff_t(x), sizeof pixel);
    if constexpr (std::endian::native == std::endian::big)
        pixel = (pixel >> 24) | ((pixel >> 8) & 0xff00) | ((pixel << 8) & 0xff0000) | (pixel << 24);
    return pixel; // B in the low byte
}

VELUMO_VECTOR_CLONES
void lumaRow(const std::uint8_t *__restrict source, int width, Matrix m, std::uint8_t *__restrict out)
{
    for (int x = 0; x < width; ++x) {
        const std::uint32_t p = pixelAt(source, x);
        const auto r = std::uint16_t((p >> 16) & 0xff);
        const auto g = std::uint16_t((p >> 8) & 0xff);
        const auto b = std::uint16_t(p & 0xff);
        const auto sum = std::uint16_t(m.yR * r + m.yG * g + m.yB * b + 128);
        out[x] = std::uint8_t((sum >> 8) + m.yOffset);
    }
}

// The mean of four channel values, rounded.
int mean4(std::uint32_t a, std::uint32_t b, std::uint32_t c, std::uint32_t d, int shift)
{
    return int((((a >> shift) & 0xff) + ((b >> shift) & 0xff) + ((c >> shift) & 0xff) + ((d >> shift) & 0xff) + 2) >> 2);
}

// Chroma of the 2 x 2 blocks of rows `a` and `b`, for the even part of the width.
VELUMO_VECTOR_CLONES
void chromaRow(const std::uint8_t *__restrict a, const std::uint8_t *__restrict b, int blocks, Matrix m,
               std::uint8_t *__restrict u, std::uint8_t *__restrict v)
{
    for (int x = 0; x < blocks; ++x) {
        const std::uint32_t p0 = pixelAt(a, 2 * x), p1 = pixelAt(a, 2 * x + 1), p2 = pixelAt(b, 2 * x),
                            p3 = pixelAt(b, 2 * x + 1);
        const int r = mean4(p0, p1, p2, p3, 16);
        const int g = mean4(p0, p1, p2, p3, 8);
        const int bl = mean4(p0, p1, p2, p3, 0);
        // Full-range chroma of pure blue or red reaches 256.
        u[x] = std::uint8_t(std::min(((m.uR * r + m.uG * g + m.uB * bl + 128) >> 8) + 128, 255));
        v[x] = std::uint8_t(std::min(((m.vR * r + m.vG * g + m.vB * bl + 128) >> 8) + 128, 255));
    }
}

} // namespace

void convertBgrxToYuv420(const std::uint8_t *source, int sourceStride, int width, int height, YuvRange range,
                         std::uint8_t *y, int yStride, std::uint8_t *u, int uStride, std::uint8_t *v, int vStride)
{
    const Matrix &m = range == YuvRange::Limited ? kLimited : kFull;
    const int evenBlocks = width / 2;
    for (int row = 0; row < height; row += 2) {
        const std::uint8_t *a = source + std::ptrdiff_t(row) * sourceStride;
        const std::uint8_t *b = row + 1 < height ? a + sourceStride : a; // an odd last row pairs with itself
        std::uint8_t *uRow = u + std::ptrdiff_t(row / 2) * uStride;
        std::uint8_t *vRow = v + std::ptrdiff_t(row / 2) * vStride;
        lumaRow(a, width, m, y + std::ptrdiff_t(row) * yStride);
        if (row + 1 < height)
            lumaRow(b, width, m, y + std::ptrdiff_t(row + 1) * yStride);
        chromaRow(a, b, evenBlocks, m, uRow, vRow);
        if (width % 2) {
            // An odd last column pairs with itself.
            const std::uint32_t p = pixelAt(a, width - 1), q = pixelAt(b, width - 1);
            const int r = mean4(p, p, q, q, 16), g = mean4(p, p, q, q, 8), bl = mean4(p, p, q, q, 0);
            uRow[evenBlocks] = std::uint8_t(std::min(((m.uR * r + m.uG * g + m.uB * bl + 128) >> 8) + 128, 255));
            vRow[evenBlocks] = std::uint8_t(std::min(((m.vR * r + m.vG * g + m.vB * bl + 128) >> 8) + 128, 255));
        }
    }
}

} // namespace velumo
