// Bitmap tags: lossless formats, JPEG fix-ups, PNG inside JPEG tags, alpha planes.
#include "players/swf/reader/movie_reader.h"
#include "tests/swf_reader/swf_fixture.h"

#include <QBuffer>
#include <QColor>

#include <gtest/gtest.h>

namespace velumo::swf {
namespace {

using namespace test;

constexpr std::uint16_t kDefineBits = 6, kJpegTables = 8, kDefineBitsLossless = 20, kDefineBitsJpeg2 = 21,
                        kDefineBitsJpeg3 = 35, kDefineBitsLossless2 = 36;

Bytes encoded(const QImage &image, const char *format)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, 95));
    return Bytes(data.begin(), data.end());
}

Bytes jpeg(QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return encoded(image, "JPG");
}

// Reads a movie holding `bitmapTag` and returns bitmap 1.
QImage readBitmap(const Bytes &bitmapTag)
{
    const Movie movie = readMovie(movieBytes(cat({bitmapTag, tag(1, {}), tag(0, {})})));
    return std::get<BitmapDef>(movie.dictionary.at(1)).image;
}

Bytes lossless(std::uint16_t code, std::uint8_t format, std::uint16_t width, std::uint16_t height, const Bytes &header,
               const Bytes &data)
{
    return tag(code, cat({le16(1), {format}, le16(width), le16(height), header, zlib(data)}), true);
}

QRgb raw(const QImage &image, int x, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
}

void expectNear(QRgb actual, QColor expected, int tolerance)
{
    EXPECT_NEAR(qRed(actual), expected.red(), tolerance);
    EXPECT_NEAR(qGreen(actual), expected.green(), tolerance);
    EXPECT_NEAR(qBlue(actual), expected.blue(), tolerance);
}

TEST(Bitmaps, Lossless2ArgbKeepsExactPremultipliedColours)
{
    const Bytes argb{0xFF, 0xFF, 0x00, 0x00, 0xFF, 0x00, 0xFF, 0x00,  // red, green
                     0xFF, 0x00, 0x00, 0xFF, 0x80, 0x80, 0x80, 0x80}; // blue, 50 % white
    const QImage image = readBitmap(lossless(kDefineBitsLossless2, 5, 2, 2, {}, argb));
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(raw(image, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(raw(image, 1, 0), 0xFF00FF00u);
    EXPECT_EQ(raw(image, 0, 1), 0xFF0000FFu);
    EXPECT_EQ(raw(image, 1, 1), 0x80808080u);
}

TEST(Bitmaps, PremultipliedColourAboveAlphaIsClamped)
{
    const QImage image = readBitmap(lossless(kDefineBitsLossless2, 5, 1, 1, {}, {0x40, 0xFF, 0x10, 0x40}));
    EXPECT_EQ(raw(image, 0, 0), 0x40401040u);
}

TEST(Bitmaps, LosslessArgbWithoutAlphaIsOpaque)
{
    const QImage image = readBitmap(lossless(kDefineBitsLossless, 5, 1, 1, {}, {0x00, 0x12, 0x34, 0x56}));
    EXPECT_EQ(image.format(), QImage::Format_RGB32);
    EXPECT_EQ(raw(image, 0, 0), 0xFF123456u);
}

TEST(Bitmaps, PaletteRowsArePaddedToFourBytes)
{
    // Width 3: each row of indices is followed by one pad byte (0xEE, an index past the palette).
    const Bytes rows{0, 1, 0, 0xEE, 1, 1, 0, 0xEE};
    struct Case
    {
        const char *name;
        std::uint16_t code;
        Bytes palette;
        QImage::Format format;
        QRgb first, second;
    };
    const Case cases[] = {
        {"RGB palette", kDefineBitsLossless, {255, 0, 0, 0, 0, 255}, QImage::Format_RGB32, 0xFFFF0000u, 0xFF0000FFu},
        {"RGBA palette", kDefineBitsLossless2, {255, 0, 0, 255, 0, 0, 0x80, 0x80}, QImage::Format_ARGB32_Premultiplied,
         0xFFFF0000u, 0x80000080u},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = readBitmap(lossless(c.code, 3, 3, 2, {1}, cat({c.palette, rows})));
        ASSERT_EQ(image.size(), QSize(3, 2));
        EXPECT_EQ(image.format(), c.format);
        const QRgb expected[2][3] = {{c.first, c.second, c.first}, {c.second, c.second, c.first}};
        for (int y = 0; y < 2; ++y)
            for (int x = 0; x < 3; ++x)
                EXPECT_EQ(raw(image, x, y), expected[y][x]) << x << ", " << y;
    }
}

TEST(Bitmaps, PaletteIndexPastThePaletteIsTransparent)
{
    const QImage image = readBitmap(lossless(kDefineBitsLossless2, 3, 1, 1, {0}, {1, 2, 3, 255, 5, 0, 0, 0}));
    EXPECT_EQ(raw(image, 0, 0), 0u);
}

TEST(Bitmaps, FifteenBitPixelsWithRowPadding)
{
    // Width 1: two bytes of pixel, two of padding per row.
    const Bytes rows{0x7C, 0x00, 0xAA, 0xAA, 0x03, 0xE0, 0xAA, 0xAA, 0x00, 0x1F, 0xAA, 0xAA};
    const QImage image = readBitmap(lossless(kDefineBitsLossless, 4, 1, 3, {}, rows));
    EXPECT_EQ(raw(image, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(raw(image, 0, 1), 0xFF00FF00u);
    EXPECT_EQ(raw(image, 0, 2), 0xFF0000FFu);
}

TEST(Bitmaps, JpegWithStrayEndAndStartMarkersDecodes)
{
    const QColor colour(200, 40, 40);
    const Bytes plain = jpeg(QSize(16, 8), colour);
    ASSERT_GT(plain.size(), 24u);
    const Bytes marker{0xFF, 0xD9, 0xFF, 0xD8};
    // The pair again after the JFIF segment, before the tables and frame header.
    const std::size_t afterApp0 = 4 + ((std::size_t(plain[4]) << 8) | plain[5]);
    Bytes inside(plain.begin(), plain.begin() + std::ptrdiff_t(afterApp0));
    inside.insert(inside.end(), marker.begin(), marker.end());
    inside.insert(inside.end(), plain.begin() + std::ptrdiff_t(afterApp0), plain.end());

    struct Case
    {
        const char *name;
        Bytes data;
    };
    const Case cases[] = {
        {"plain", plain},
        {"FF D9 FF D8 prefix", cat({marker, plain})},
        {"pair before the frame header", inside},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const QImage image = readBitmap(tag(kDefineBitsJpeg2, cat({le16(1), c.data}), true));
        ASSERT_EQ(image.size(), QSize(16, 8));
        EXPECT_EQ(image.format(), QImage::Format_RGB32);
        expectNear(raw(image, 8, 4), colour, 6);
    }
}

TEST(Bitmaps, DefineBitsUsesTheMovieJpegTables)
{
    // Split a JPEG into tables (quantisation and Huffman segments) and the rest.
    const QColor colour(30, 90, 200);
    const Bytes whole = jpeg(QSize(8, 8), colour);
    Bytes tables{0xFF, 0xD8};
    Bytes image{0xFF, 0xD8};
    std::size_t pos = 2;
    while (pos + 4 <= whole.size() && whole[pos] == 0xFF && whole[pos + 1] != 0xDA) {
        const std::size_t length = 2 + ((std::size_t(whole[pos + 2]) << 8) | whole[pos + 3]);
        Bytes &to = (whole[pos + 1] == 0xDB || whole[pos + 1] == 0xC4) ? tables : image;
        to.insert(to.end(), whole.begin() + std::ptrdiff_t(pos), whole.begin() + std::ptrdiff_t(pos + length));
        pos += length;
    }
    image.insert(image.end(), whole.begin() + std::ptrdiff_t(pos), whole.end());
    tables.insert(tables.end(), {0xFF, 0xD9});
    ASSERT_GT(tables.size(), 100u);

    const Movie movie = readMovie(movieBytes(cat({tag(kJpegTables, tables, true),
                                                  tag(kDefineBits, cat({le16(1), image}), true), tag(1, {}), tag(0, {})})));
    const QImage decoded = std::get<BitmapDef>(movie.dictionary.at(1)).image;
    ASSERT_EQ(decoded.size(), QSize(8, 8));
    expectNear(raw(decoded, 4, 4), colour, 6);
}

TEST(Bitmaps, PngInsideAJpegTagKeepsItsAlpha)
{
    QImage source(2, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgba(255, 0, 0, 255));
    source.setPixel(1, 0, qRgba(0, 0, 255, 0));
    const QImage image = readBitmap(tag(kDefineBitsJpeg2, cat({le16(1), encoded(source, "PNG")}), true));
    ASSERT_EQ(image.size(), QSize(2, 1));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    EXPECT_EQ(raw(image, 0, 0), 0xFFFF0000u);
    EXPECT_EQ(raw(image, 1, 0), 0u);
}

TEST(Bitmaps, Jpeg3AlphaPlanePremultipliesByClamping)
{
    const Bytes white = jpeg(QSize(2, 2), Qt::white);
    const Bytes alpha{0, 64, 128, 255};
    const QImage image =
        readBitmap(tag(kDefineBitsJpeg3, cat({le16(1), le32(std::uint32_t(white.size())), white, zlib(alpha)}), true));
    ASSERT_EQ(image.size(), QSize(2, 2));
    EXPECT_EQ(image.format(), QImage::Format_ARGB32_Premultiplied);
    for (int i = 0; i < 4; ++i) {
        const QRgb px = raw(image, i % 2, i / 2);
        EXPECT_EQ(qAlpha(px), alpha[std::size_t(i)]);
        EXPECT_EQ(qRed(px), alpha[std::size_t(i)]); // white clamped to alpha
        EXPECT_EQ(qBlue(px), alpha[std::size_t(i)]);
    }

    const QImage opaque = readBitmap(tag(kDefineBitsJpeg3, cat({le16(1), le32(std::uint32_t(white.size())), white}), true));
    EXPECT_EQ(opaque.format(), QImage::Format_RGB32);
}

} // namespace
} // namespace velumo::swf
