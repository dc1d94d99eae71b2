#include "players/swf/reader/lossless_bitmap.h"

#include "players/swf/reader/bounded_inflate.h"
#include "players/swf/reader/encoded_image.h"

#include <algorithm>
#include <string>

namespace velumo::swf {

namespace {

enum Format : std::uint8_t { Palette = 3, Rgb15 = 4, Argb32 = 5 };

std::size_t paddedRow(std::size_t bytes)
{
    return (bytes + 3) & ~std::size_t(3);
}

// Premultiplied ARGB; colour above alpha is clamped so the pixel stays valid.
QRgb premultiplied(unsigned a, unsigned r, unsigned g, unsigned b)
{
    return qRgba(int(std::min(r, a)), int(std::min(g, a)), int(std::min(b, a)), int(a));
}

unsigned expand5(unsigned v)
{
    return (v << 3) | (v >> 2);
}

} // namespace

BitmapDef readLosslessBitmap(ByteReader &body, bool withAlpha, Budget &budget)
{
    BitmapDef bitmap;
    bitmap.id = body.u16();
    const std::size_t formatAt = body.offset();
    const std::uint8_t format = body.u8();
    const std::size_t width = body.u16();
    const std::size_t height = body.u16();
    if (format != Palette && format != Argb32 && !(format == Rgb15 && !withAlpha))
        throwFormatError("unsupported lossless bitmap format " + std::to_string(format), formatAt);
    chargeBitmap(width, height, formatAt, budget);

    const std::size_t entryBytes = withAlpha ? 4 : 3;
    const std::size_t paletteSize = format == Palette ? std::size_t(body.u8()) + 1 : 0;
    std::size_t rowBytes = width * 4;
    if (format == Palette)
        rowBytes = paddedRow(width);
    else if (format == Rgb15)
        rowBytes = paddedRow(width * 2);
    const std::size_t paletteBytes = paletteSize * entryBytes;
    const std::size_t needed = paletteBytes + rowBytes * height;

    const std::size_t dataAt = body.offset();
    const Inflated data = inflateBounded(body.rest(), needed, dataAt);
    if (data.bytes.size() < needed)
        throwFormatError("bitmap data inflates to " + std::to_string(data.bytes.size()) + " bytes; "
                             + std::to_string(width) + "x" + std::to_string(height) + " pixels need "
                             + std::to_string(needed),
                         dataAt);
    const std::uint8_t *bytes = data.bytes.data();

    QImage image(int(width), int(height), withAlpha ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull())
        throwFormatError("out of memory for a bitmap", formatAt);

    std::vector<QRgb> palette(paletteSize);
    for (std::size_t i = 0; i < paletteSize; ++i) {
        const std::uint8_t *e = bytes + i * entryBytes;
        palette[i] = withAlpha ? premultiplied(e[3], e[0], e[1], e[2]) : qRgb(e[0], e[1], e[2]);
    }
    // An index past the palette draws nothing.
    const QRgb missing = withAlpha ? qRgba(0, 0, 0, 0) : qRgb(0, 0, 0);

    for (std::size_t y = 0; y < height; ++y) {
        const std::uint8_t *row = bytes + paletteBytes + y * rowBytes;
        auto *out = reinterpret_cast<QRgb *>(image.scanLine(int(y)));
        for (std::size_t x = 0; x < width; ++x) {
            switch (format) {
            case Palette:
                out[x] = row[x] < paletteSize ? palette[row[x]] : missing;
                break;
            case Rgb15: {
                const unsigned v = (unsigned(row[2 * x]) << 8) | row[2 * x + 1];
                out[x] = qRgb(int(expand5((v >> 10) & 31)), int(expand5((v >> 5) & 31)), int(expand5(v & 31)));
                break;
            }
            default: {
                const std::uint8_t *p = row + 4 * x; // A, R, G, B
                out[x] = withAlpha ? premultiplied(p[0], p[1], p[2], p[3]) : qRgb(p[1], p[2], p[3]);
                break;
            }
            }
        }
    }
    bitmap.image = std::move(image);
    return bitmap;
}

} // namespace velumo::swf
