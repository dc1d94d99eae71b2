#include "players/swf/reader/movie_file.h"

#include "players/swf/reader/bounded_inflate.h"
#include "players/swf/reader/byte_reader.h"
#include "players/swf/reader/limits.h"

#include <algorithm>
#include <string>

namespace velumo::swf {

MovieFile::MovieFile(std::span<const std::uint8_t> bytes)
{
    if (bytes.size() > limits::kMaxFileBytes)
        throwFormatError("file larger than " + std::to_string(limits::kMaxFileBytes >> 20) + " MiB", 0);
    ByteReader in(bytes);
    if (bytes.size() < kHeaderBytes)
        in.fail("file too short for an SWF header");
    const auto signature = in.take(3);
    const bool compressed = signature[0] == 'C';
    if ((signature[0] != 'F' && !compressed) || signature[1] != 'W' || signature[2] != 'S') {
        if (signature[0] == 'Z' && signature[1] == 'W' && signature[2] == 'S')
            throwFormatError("LZMA-compressed movies (ZWS) are not supported", 0);
        throwFormatError("not an SWF movie: the file starts with neither FWS nor CWS", 0);
    }
    m_version = in.u8();
    const std::uint32_t fileLength = in.u32();

    if (!compressed) {
        m_body = bytes.subspan(kHeaderBytes);
        return;
    }
    if (fileLength < kHeaderBytes)
        throwFormatError("compressed movie declares a file length of " + std::to_string(fileLength) + " bytes", 4);
    const std::size_t ceiling = std::min<std::size_t>(fileLength - kHeaderBytes, limits::kMaxFileBytes);
    Inflated inflated = inflateBounded(bytes.subspan(kHeaderBytes), ceiling, kHeaderBytes);
    if (inflated.overflow)
        throwFormatError("compressed body inflates past the declared file length of " + std::to_string(fileLength)
                             + " bytes (or the size limit)",
                         kHeaderBytes);
    m_inflated = std::move(inflated.bytes);
    m_body = m_inflated;
}

} // namespace velumo::swf
