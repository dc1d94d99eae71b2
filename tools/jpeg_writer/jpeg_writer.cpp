#include "tools/jpeg_writer/jpeg_writer.h"

#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <vector>

namespace velumo {
namespace {

// EXIF block with one IFD entry: Orientation (0x0112), SHORT, count 1.
std::vector<unsigned char> exifOrientationBlock(int orientation)
{
    return {'E',  'x',  'i', 'f', 0, 0,                      // identifier
            'I',  'I',  42,  0,   8, 0, 0, 0,                // little-endian TIFF, IFD at 8
            1,    0,                                         // one entry
            0x12, 0x01, 3,   0,   1, 0, 0, 0,                // tag, type, count
            static_cast<unsigned char>(orientation), 0, 0, 0, // value
            0,    0,    0,   0};                             // no next IFD
}

std::vector<unsigned char> scanline(const QImage &rgb, int y, JpegColour colour)
{
    std::vector<unsigned char> line;
    const auto *pixels = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
    for (int x = 0; x < rgb.width(); ++x) {
        const QRgb p = pixels[x];
        switch (colour) {
        case JpegColour::Rgb:
            line.insert(line.end(), {uchar(qRed(p)), uchar(qGreen(p)), uchar(qBlue(p))});
            break;
        case JpegColour::Grey:
            line.push_back(uchar(qGray(p)));
            break;
        case JpegColour::Cmyk:
            // Inverted CMYK without black, as Adobe applications store it.
            line.insert(line.end(), {uchar(qRed(p)), uchar(qGreen(p)), uchar(qBlue(p)), 255});
            break;
        }
    }
    return line;
}

} // namespace

QByteArray encodeJpeg(const QImage &picture, const JpegOptions &options)
{
    const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr jerr{};
    cinfo.err = jpeg_std_error(&jerr);
    jpeg_create_compress(&cinfo);
    unsigned char *buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(rgb.width());
    cinfo.image_height = JDIMENSION(rgb.height());
    switch (options.colour) {
    case JpegColour::Rgb:
        cinfo.input_components = 3;
        cinfo.in_color_space = JCS_RGB;
        break;
    case JpegColour::Grey:
        cinfo.input_components = 1;
        cinfo.in_color_space = JCS_GRAYSCALE;
        break;
    case JpegColour::Cmyk:
        cinfo.input_components = 4;
        cinfo.in_color_space = JCS_CMYK;
        break;
    }
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, options.quality, TRUE);
    if (options.progressive)
        jpeg_simple_progression(&cinfo);
    jpeg_start_compress(&cinfo, TRUE);
    if (options.exifOrientation > 0) {
        const std::vector<unsigned char> exif = exifOrientationBlock(options.exifOrientation);
        jpeg_write_marker(&cinfo, JPEG_APP0 + 1, exif.data(), unsigned(exif.size()));
    }
    for (int y = 0; y < rgb.height(); ++y) {
        std::vector<unsigned char> line = scanline(rgb, y, options.colour);
        JSAMPROW row = line.data();
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray bytes(reinterpret_cast<const char *>(buffer), qsizetype(size));
    std::free(buffer);
    return bytes;
}

} // namespace velumo
