#include "players/swf/reader/jpeg_bitmap.h"

#include "players/swf/reader/bounded_inflate.h"
#include "players/swf/reader/encoded_image.h"
#include "players/swf/reader/jpeg_stream.h"
#include "players/swf/reader/tag_reader.h"

#include <algorithm>
#include <string>

namespace velumo::swf {

namespace {

// Colour is stored premultiplied; clamping each channel to alpha keeps the pixel valid.
QImage withAlphaPlane(const QImage &opaque, const std::vector<std::uint8_t> &alpha)
{
    QImage out(opaque.size(), QImage::Format_ARGB32_Premultiplied);
    if (out.isNull())
        return out;
    const std::size_t width = std::size_t(opaque.width());
    for (int y = 0; y < opaque.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(opaque.constScanLine(y));
        auto *px = reinterpret_cast<QRgb *>(out.scanLine(y));
        const std::uint8_t *a = alpha.data() + std::size_t(y) * width;
        for (std::size_t x = 0; x < width; ++x) {
            const int alphaValue = a[x];
            px[x] = qRgba(std::min(qRed(in[x]), alphaValue), std::min(qGreen(in[x]), alphaValue),
                          std::min(qBlue(in[x]), alphaValue), alphaValue);
        }
    }
    return out;
}

} // namespace

BitmapDef readJpegBitmap(ByteReader &body, std::uint16_t tagCode, std::span<const std::uint8_t> jpegTables,
                         Budget &budget)
{
    BitmapDef bitmap;
    bitmap.id = body.u16();

    const bool hasAlpha = tagCode == tag::DefineBitsJpeg3 || tagCode == tag::DefineBitsJpeg4;
    std::size_t imageBytes = 0;
    if (hasAlpha) {
        imageBytes = body.u32();
        if (tagCode == tag::DefineBitsJpeg4)
            body.u16(); // deblocking filter strength
        if (imageBytes > body.remaining())
            body.fail("alpha data offset " + std::to_string(imageBytes) + " lies past the end of the tag");
    } else {
        imageBytes = body.remaining();
    }
    const std::size_t imageAt = body.offset();
    const auto encoded = body.take(imageBytes);

    const EncodedKind kind = sniffEncodedImage(encoded);
    if (kind != EncodedKind::Jpeg) {
        bitmap.image = decodeEncodedImage(encoded, kind, imageAt, budget);
        return bitmap; // PNG and GIF carry their own transparency; alpha data is ignored
    }
    const std::vector<std::uint8_t> jpeg =
        tagCode == tag::DefineBits ? joinJpegTables(jpegTables, encoded) : repairJpeg(encoded);
    QImage image = decodeEncodedImage(jpeg, kind, imageAt, budget);

    if (hasAlpha && !body.atEnd()) {
        const std::size_t alphaAt = body.offset();
        const std::size_t needed = std::size_t(image.width()) * std::size_t(image.height());
        const Inflated alpha = inflateBounded(body.rest(), needed, alphaAt);
        if (alpha.bytes.size() < needed)
            throwFormatError("alpha data inflates to " + std::to_string(alpha.bytes.size()) + " bytes; the image needs "
                                 + std::to_string(needed),
                             alphaAt);
        image = withAlphaPlane(image, alpha.bytes);
        if (image.isNull())
            throwFormatError("out of memory for a bitmap", imageAt);
    }
    bitmap.image = std::move(image);
    return bitmap;
}

} // namespace velumo::swf
