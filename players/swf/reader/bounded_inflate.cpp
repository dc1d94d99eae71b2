#include "players/swf/reader/bounded_inflate.h"

#include "players/swf/reader/byte_reader.h"

#include <zlib.h>

#include <algorithm>
#include <climits>
#include <string>

namespace velumo::swf {

namespace {

class Stream
{
public:
    Stream()
    {
        if (inflateInit(&z) != Z_OK)
            throw FormatError("zlib could not be initialised");
    }
    ~Stream() { inflateEnd(&z); }
    Stream(const Stream &) = delete;
    Stream &operator=(const Stream &) = delete;

    z_stream z{};
};

constexpr std::size_t kChunk = 64 * 1024;

} // namespace

Inflated inflateBounded(std::span<const std::uint8_t> stream, std::size_t ceiling, std::size_t offset)
{
    if (stream.size() > UINT_MAX)
        throwFormatError("compressed data too large", offset);
    Stream s;
    s.z.next_in = const_cast<Bytef *>(stream.data());
    s.z.avail_in = static_cast<uInt>(stream.size());

    Inflated out;
    // Grow in chunks; one spare byte past the ceiling tells a stream that merely fills it
    // from one that holds more.
    std::size_t produced = 0;
    for (;;) {
        const std::size_t room = std::min(kChunk, ceiling + 1 - produced);
        out.bytes.resize(produced + room);
        s.z.next_out = out.bytes.data() + produced;
        s.z.avail_out = static_cast<uInt>(room);
        const int status = inflate(&s.z, Z_NO_FLUSH);
        produced += room - s.z.avail_out;
        if (produced > ceiling) {
            out.bytes.resize(ceiling);
            out.overflow = true;
            return out;
        }
        if (status == Z_STREAM_END)
            break;
        if (status == Z_OK)
            continue;
        if (status == Z_BUF_ERROR && s.z.avail_in == 0)
            throwFormatError("compressed data ends early", offset);
        std::string reason = "corrupt compressed data";
        if (s.z.msg != nullptr)
            reason += std::string(": ") + s.z.msg;
        throwFormatError(reason, offset);
    }
    out.bytes.resize(produced);
    out.bytes.shrink_to_fit();
    return out;
}

} // namespace velumo::swf
