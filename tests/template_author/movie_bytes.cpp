#include "tests/template_author/movie_bytes.h"

#include <gtest/gtest.h>
#include <zlib.h>

namespace velumo::test {

namespace {

QByteArray inflateAll(const QByteArray &data, std::size_t expected)
{
    QByteArray out(qsizetype(expected), Qt::Uninitialized);
    uLongf length = uLongf(expected);
    const int rc = uncompress(reinterpret_cast<Bytef *>(out.data()), &length,
                              reinterpret_cast<const Bytef *>(data.constData()), uLong(data.size()));
    if (rc != Z_OK)
        return {};
    out.resize(qsizetype(length));
    return out;
}

} // namespace

QByteArray toByteArray(const swf::writer::Bytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

RootTags rootTags(const QByteArray &movie)
{
    RootTags out;
    if (movie.size() < 8 || !(movie.startsWith("CWS") || movie.startsWith("FWS"))) {
        ADD_FAILURE() << "not a movie";
        return out;
    }
    const auto u8 = [](const QByteArray &b, qsizetype i) { return std::uint8_t(b[i]); };
    const std::uint32_t fileLength = u8(movie, 4) | u8(movie, 5) << 8 | u8(movie, 6) << 16 | std::uint32_t(u8(movie, 7)) << 24;
    const QByteArray body = movie.startsWith("CWS") ? inflateAll(movie.mid(8), fileLength - 8) : movie.mid(8);
    if (body.size() != qsizetype(fileLength) - 8) {
        ADD_FAILURE() << "the file length does not match the content";
        return out;
    }
    // RECT: 5 bits of field width, then four fields; then rate (2 bytes) and frame count (2 bytes).
    const int nbits = u8(body, 0) >> 3;
    qsizetype at = (5 + 4 * nbits + 7) / 8;
    out.headerFrames = std::uint16_t(u8(body, at + 2) | u8(body, at + 3) << 8);
    at += 4;
    while (at + 2 <= body.size()) {
        const std::uint16_t header = std::uint16_t(u8(body, at) | u8(body, at + 1) << 8);
        at += 2;
        std::uint32_t length = header & 0x3F;
        if (length == 0x3F) {
            length = u8(body, at) | u8(body, at + 1) << 8 | u8(body, at + 2) << 16 | std::uint32_t(u8(body, at + 3)) << 24;
            at += 4;
        }
        const std::uint16_t code = header >> 6;
        if (at + qsizetype(length) > body.size()) {
            ADD_FAILURE() << "tag " << code << " runs past the end";
            return out;
        }
        out.tags.push_back({code, body.mid(at, qsizetype(length))});
        at += qsizetype(length);
        if (code == 0)
            break;
    }
    return out;
}

} // namespace velumo::test
