#include "render/encoder/rgb_to_yuv420.h"

#include <gtest/gtest.h>

#include <QImage>

#include <cmath>
#include <vector>

namespace velumo {
namespace {

struct Planes
{
    int width, height, chromaWidth, chromaHeight;
    std::vector<std::uint8_t> y, u, v;

    Planes(int w, int h)
        : width(w), height(h), chromaWidth((w + 1) / 2), chromaHeight((h + 1) / 2)
        , y(std::size_t(w * h)), u(std::size_t(chromaWidth * chromaHeight)), v(u.size())
    {
    }
};

Planes convert(const QImage &picture, YuvRange range)
{
    Planes planes(picture.width(), picture.height());
    convertBgrxToYuv420(picture.constBits(), int(picture.bytesPerLine()), picture.width(), picture.height(), range,
                        planes.y.data(), planes.width, planes.u.data(), planes.chromaWidth, planes.v.data(),
                        planes.chromaWidth);
    return planes;
}

QImage filled(int width, int height, QRgb colour)
{
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(colour);
    return picture;
}

// BT.601 in floating point, the mean of the block taken on R, G and B.
struct Expected
{
    double y, u, v;
};

Expected reference(double r, double g, double b, YuvRange range)
{
    const double luma = 0.299 * r + 0.587 * g + 0.114 * b;
    const double cb = (b - luma) / 1.772;
    const double cr = (r - luma) / 1.402;
    if (range == YuvRange::Full)
        return {luma, std::min(128 + cb, 255.0), std::min(128 + cr, 255.0)};
    return {16 + luma * 219 / 255, 128 + cb * 224 / 255, 128 + cr * 224 / 255};
}

TEST(RgbToYuv420, KnownColoursInBothRanges)
{
    struct Case
    {
        QRgb colour;
        YuvRange range;
        int y, u, v;
    };
    const Case cases[] = {
        {qRgb(0, 0, 0), YuvRange::Limited, 16, 128, 128},
        {qRgb(255, 255, 255), YuvRange::Limited, 235, 128, 128},
        {qRgb(255, 0, 0), YuvRange::Limited, 82, 90, 240},
        {qRgb(0, 0, 255), YuvRange::Limited, 41, 240, 110},
        {qRgb(0, 0, 0), YuvRange::Full, 0, 128, 128},
        {qRgb(255, 255, 255), YuvRange::Full, 255, 128, 128},
        // Pure blue and red reach the top of the chroma scale instead of wrapping to 0.
        {qRgb(0, 0, 255), YuvRange::Full, 29, 255, 107},
        {qRgb(255, 0, 0), YuvRange::Full, 77, 85, 255},
    };
    for (const Case &c : cases) {
        const Planes planes = convert(filled(4, 2, c.colour), c.range);
        SCOPED_TRACE(testing::Message() << std::hex << c.colour << std::dec << " full=" << (c.range == YuvRange::Full));
        EXPECT_EQ(planes.y[0], c.y);
        EXPECT_EQ(planes.y[7], c.y);
        EXPECT_EQ(planes.u[1], c.u);
        EXPECT_EQ(planes.v[1], c.v);
    }
}

TEST(RgbToYuv420, VariedPictureOfOddSizeFollowsTheBt601Formula)
{
    // Odd width and height: the last column and row form blocks of their own.
    QImage picture(37, 23, QImage::Format_RGB32);
    for (int row = 0; row < picture.height(); ++row) {
        for (int col = 0; col < picture.width(); ++col)
            picture.setPixel(col, row, qRgb((col * 53 + row * 7) % 256, (row * 91 + col * col) % 256, (col * row * 13) % 256));
    }
    for (const YuvRange range : {YuvRange::Limited, YuvRange::Full}) {
        SCOPED_TRACE(range == YuvRange::Full ? "full" : "limited");
        const Planes planes = convert(picture, range);
        for (int row = 0; row < picture.height(); ++row) {
            for (int col = 0; col < picture.width(); ++col) {
                const QRgb p = picture.pixel(col, row);
                const double want = reference(qRed(p), qGreen(p), qBlue(p), range).y;
                ASSERT_NEAR(planes.y[std::size_t(row * planes.width + col)], want, 1.0) << col << "," << row;
            }
        }
        for (int row = 0; row < planes.chromaHeight; ++row) {
            for (int col = 0; col < planes.chromaWidth; ++col) {
                double r = 0, g = 0, b = 0;
                for (int dy = 0; dy < 2; ++dy) {
                    for (int dx = 0; dx < 2; ++dx) {
                        const QRgb p = picture.pixel(std::min(2 * col + dx, picture.width() - 1),
                                                     std::min(2 * row + dy, picture.height() - 1));
                        r += qRed(p) / 4.0;
                        g += qGreen(p) / 4.0;
                        b += qBlue(p) / 4.0;
                    }
                }
                const Expected want = reference(r, g, b, range);
                const std::size_t at = std::size_t(row * planes.chromaWidth + col);
                // The block's mean is rounded before it is converted.
                ASSERT_NEAR(planes.u[at], want.u, 1.5) << col << "," << row;
                ASSERT_NEAR(planes.v[at], want.v, 1.5) << col << "," << row;
            }
        }
    }
}

} // namespace
} // namespace velumo
