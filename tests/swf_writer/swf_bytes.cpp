#include "tests/swf_writer/swf_bytes.h"

#include <zlib.h>

#include <stdexcept>

namespace swf_bytes {

Bytes hex(std::string_view text)
{
    Bytes out;
    int pending = -1;
    for (char ch : text) {
        int v = -1;
        if (ch >= '0' && ch <= '9')
            v = ch - '0';
        else if (ch >= 'a' && ch <= 'f')
            v = ch - 'a' + 10;
        else if (ch >= 'A' && ch <= 'F')
            v = ch - 'A' + 10;
        else if (ch == ' ' || ch == '\n' || ch == '|')
            continue;
        else
            throw std::invalid_argument("bad hex");
        if (pending < 0) {
            pending = v;
        } else {
            out.push_back(static_cast<std::uint8_t>(pending * 16 + v));
            pending = -1;
        }
    }
    if (pending >= 0)
        throw std::invalid_argument("odd hex digit count");
    return out;
}

Bytes cstr(std::string_view text)
{
    Bytes out(text.begin(), text.end());
    out.push_back(0);
    return out;
}

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

Bytes inflate(std::span<const std::uint8_t> zlibStream)
{
    z_stream z{};
    if (inflateInit(&z) != Z_OK)
        throw std::runtime_error("inflateInit");
    z.next_in = const_cast<Bytef *>(zlibStream.data());
    z.avail_in = static_cast<uInt>(zlibStream.size());
    Bytes out;
    int rc = Z_OK;
    while (rc == Z_OK) {
        std::uint8_t chunk[4096];
        z.next_out = chunk;
        z.avail_out = sizeof chunk;
        rc = ::inflate(&z, Z_NO_FLUSH);
        out.insert(out.end(), chunk, chunk + (sizeof chunk - z.avail_out));
    }
    const bool complete = rc == Z_STREAM_END && z.avail_in == 0;
    inflateEnd(&z);
    if (!complete)
        throw std::runtime_error("bad or trailing zlib data");
    return out;
}

std::vector<Tag> splitTags(std::span<const std::uint8_t> stream)
{
    std::vector<Tag> tags;
    std::size_t pos = 0;
    while (true) {
        if (pos + 2 > stream.size())
            throw std::runtime_error("tag stream ends without End");
        const unsigned head = stream[pos] | stream[pos + 1] << 8;
        pos += 2;
        Tag tag;
        tag.code = static_cast<std::uint16_t>(head >> 6);
        std::size_t length = head & 0x3F;
        if (length == 0x3F) {
            if (pos + 4 > stream.size())
                throw std::runtime_error("truncated long header");
            length = stream[pos] | stream[pos + 1] << 8 | stream[pos + 2] << 16 | std::size_t(stream[pos + 3]) << 24;
            pos += 4;
            tag.longHeader = true;
        }
        if (pos + length > stream.size())
            throw std::runtime_error("tag longer than the stream");
        tag.body.assign(stream.begin() + pos, stream.begin() + pos + length);
        pos += length;
        tags.push_back(std::move(tag));
        if (tags.back().code == 0) {
            if (pos != stream.size())
                throw std::runtime_error("bytes after End");
            return tags;
        }
    }
}

Movie parseMovie(std::span<const std::uint8_t> file)
{
    if (file.size() < 8)
        throw std::runtime_error("short file");
    Movie m;
    m.signature.assign(file.begin(), file.begin() + 3);
    m.version = file[3];
    m.fileLength = file[4] | file[5] << 8 | file[6] << 16 | std::uint32_t(file[7]) << 24;
    m.uncompressed.assign(file.begin(), file.begin() + 8);
    m.uncompressed[0] = 'F';
    if (m.signature == "CWS") {
        const Bytes rest = inflate(file.subspan(8));
        m.uncompressed.insert(m.uncompressed.end(), rest.begin(), rest.end());
    } else if (m.signature == "FWS") {
        m.uncompressed.insert(m.uncompressed.end(), file.begin() + 8, file.end());
    } else {
        throw std::runtime_error("bad signature");
    }
    BitReader bits(m.uncompressed, 8);
    const int nbits = static_cast<int>(bits.ub(5));
    for (int i = 0; i < 4; ++i)
        bits.sb(nbits);
    bits.align();
    m.frameRate = bits.u16();
    m.frameCount = bits.u16();
    m.tags = splitTags(std::span(m.uncompressed).subspan(bits.byteOffset()));
    return m;
}

std::uint32_t BitReader::ub(int bits)
{
    std::uint32_t v = 0;
    for (int i = 0; i < bits; ++i) {
        if (m_pos / 8 >= m_data.size())
            throw std::runtime_error("read past the end");
        v = v << 1 | ((m_data[m_pos / 8] >> (7 - m_pos % 8)) & 1u);
        ++m_pos;
    }
    return v;
}

std::int32_t BitReader::sb(int bits)
{
    if (bits == 0)
        return 0;
    const std::uint32_t v = ub(bits);
    const std::uint32_t sign = 1u << (bits - 1);
    return static_cast<std::int32_t>((v ^ sign) - sign);
}

std::uint8_t BitReader::u8()
{
    align();
    return static_cast<std::uint8_t>(ub(8));
}

std::uint16_t BitReader::u16()
{
    const std::uint16_t lo = u8();
    return static_cast<std::uint16_t>(lo | u8() << 8);
}

} // namespace swf_bytes
