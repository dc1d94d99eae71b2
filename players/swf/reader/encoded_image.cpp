#include "players/swf/reader/encoded_image.h"

#include "players/swf/reader/byte_reader.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <string>

namespace velumo::swf {

namespace {

const char *formatName(EncodedKind kind)
{
    switch (kind) {
    case EncodedKind::Png: return "png";
    case EncodedKind::Gif: return "gif";
    case EncodedKind::Jpeg: break;
    }
    return "jpeg";
}

} // namespace

void chargeBitmap(std::size_t width, std::size_t height, std::size_t offset, Budget &budget)
{
    const std::string size = std::to_string(width) + "x" + std::to_string(height);
    if (width == 0 || height == 0)
        throwFormatError("bitmap of " + size + " pixels has no pixels", offset);
    const std::size_t pixels = width * height; // both ≤ 65535 or checked by Qt: no overflow
    if (pixels > limits::kMaxBitmapPixels)
        throwFormatError("bitmap of " + size + " pixels is larger than the limit of "
                             + std::to_string(limits::kMaxBitmapPixels) + " pixels",
                         offset);
    if (budget.pixels + pixels > limits::kMaxPixelsInMovie)
        throwFormatError("the movie's bitmaps hold more than " + std::to_string(limits::kMaxPixelsInMovie)
                             + " pixels in all",
                         offset);
    budget.pixels += pixels;
}

QImage decodeEncodedImage(std::span<const std::uint8_t> bytes, EncodedKind kind, std::size_t offset, Budget &budget)
{
    const char *format = formatName(kind);
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setDecideFormatFromContent(false);
    reader.setAutoTransform(false); // movies show images as stored

    const QSize size = reader.size();
    if (!size.isValid())
        throwFormatError(std::string("unreadable ") + format + " image header", offset);
    chargeBitmap(std::size_t(size.width()), std::size_t(size.height()), offset, budget);
    // The header was checked above; the limit also covers decoders that allocate more than it says.
    reader.setAllocationLimit(int((limits::kMaxBitmapPixels * 4) >> 20));

    QImage image;
    if (!reader.read(&image) || image.isNull())
        throwFormatError(std::string("cannot decode the ") + format + " image: " + reader.errorString().toStdString(),
                         offset);
    if (image.size() != size)
        throwFormatError(std::string("the ") + format + " image decodes to another size than its header says", offset);
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
}

} // namespace velumo::swf
