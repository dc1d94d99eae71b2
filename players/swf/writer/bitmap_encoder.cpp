#include "players/swf/writer/bitmap_encoder.h"

#include <QBuffer>
#include <QImageWriter>

#include <zlib.h>

#include <algorithm>
#include <string>

namespace velumo::swf::writer {

namespace {

void checkSize(const QImage &image)
{
    if (image.isNull() || image.width() <= 0 || image.height() <= 0)
        throw WriteError("empty image");
    if (image.width() > 0xFFFF || image.height() > 0xFFFF)
        throw WriteError("image larger than 65535 pixels on a side");
}

QByteArray encodeJpeg(const QImage &opaque, int quality)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(std::clamp(quality, 0, 100));
    if (!writer.write(opaque))
        throw WriteError("JPEG encoding failed: " + writer.errorString().toStdString());
    return data;
}

std::span<const std::uint8_t> asBytes(const QByteArray &data)
{
    return {reinterpret_cast<const std::uint8_t *>(data.constData()), static_cast<std::size_t>(data.size())};
}

} // namespace

Bytes zlibCompress(std::span<const std::uint8_t> data)
{
    uLongf size = compressBound(static_cast<uLong>(data.size()));
    Bytes out(size);
    if (compress2(out.data(), &size, data.data(), static_cast<uLong>(data.size()), Z_BEST_COMPRESSION) != Z_OK)
        throw WriteError("zlib compression failed");
    out.resize(size);
    return out;
}

bool hasTransparency(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < argb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 255)
                return true;
        }
    }
    return false;
}

Bytes jpeg2Body(std::uint16_t id, std::span<const std::uint8_t> jpeg)
{
    if (jpeg.size() < 4 || jpeg[0] != 0xFF || jpeg[1] != 0xD8)
        throw WriteError("not a JPEG file (no start-of-image marker)");
    BitWriter out;
    out.u16(id);
    out.append(jpeg);
    return out.take();
}

JpegTagBody jpegBody(std::uint16_t id, const QImage &image, int quality)
{
    checkSize(image);
    if (!hasTransparency(image))
        return {jpeg2Body(id, asBytes(encodeJpeg(image.convertToFormat(QImage::Format_RGB32), quality))), false};

    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage colour(premultiplied.size(), QImage::Format_RGB32);
    Bytes alpha;
    alpha.reserve(std::size_t(image.width()) * std::size_t(image.height()));
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(premultiplied.constScanLine(y));
        auto *rgb = reinterpret_cast<QRgb *>(colour.scanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            rgb[x] = qRgb(qRed(in[x]), qGreen(in[x]), qBlue(in[x]));
            alpha.push_back(static_cast<std::uint8_t>(qAlpha(in[x])));
        }
    }
    const QByteArray jpeg = encodeJpeg(colour, quality);
    BitWriter out;
    out.u16(id);
    out.u32(static_cast<std::uint32_t>(jpeg.size())); // AlphaDataOffset
    out.append(asBytes(jpeg));
    out.append(zlibCompress(alpha));
    return {out.take(), true};
}

Bytes lossless2Body(std::uint16_t id, const QImage &image)
{
    checkSize(image);
    const QImage premultiplied = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    Bytes pixels;
    pixels.reserve(std::size_t(image.width()) * std::size_t(image.height()) * 4);
    for (int y = 0; y < premultiplied.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(premultiplied.constScanLine(y));
        for (int x = 0; x < premultiplied.width(); ++x) {
            pixels.push_back(static_cast<std::uint8_t>(qAlpha(in[x])));
            pixels.push_back(static_cast<std::uint8_t>(qRed(in[x])));
            pixels.push_back(static_cast<std::uint8_t>(qGreen(in[x])));
            pixels.push_back(static_cast<std::uint8_t>(qBlue(in[x])));
        }
    }
    BitWriter out;
    out.u16(id);
    out.u8(5); // 32-bit ARGB
    out.u16(static_cast<std::uint16_t>(image.width()));
    out.u16(static_cast<std::uint16_t>(image.height()));
    out.append(zlibCompress(pixels));
    return out.take();
}

} // namespace velumo::swf::writer
