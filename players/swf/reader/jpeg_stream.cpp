#include "players/swf/reader/jpeg_stream.h"

#include <algorithm>
#include <array>

namespace velumo::swf {

namespace {

constexpr std::uint8_t kSoi = 0xD8;
constexpr std::uint8_t kEoi = 0xD9;
constexpr std::uint8_t kSos = 0xDA;

bool startsWith(std::span<const std::uint8_t> bytes, std::span<const std::uint8_t> prefix)
{
    return bytes.size() >= prefix.size() && std::equal(prefix.begin(), prefix.end(), bytes.begin());
}

bool standalone(std::uint8_t marker)
{
    return marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7);
}

} // namespace

EncodedKind sniffEncodedImage(std::span<const std::uint8_t> bytes)
{
    static constexpr std::array<std::uint8_t, 8> png{0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
    static constexpr std::array<std::uint8_t, 6> gif{'G', 'I', 'F', '8', '9', 'a'};
    if (startsWith(bytes, png))
        return EncodedKind::Png;
    if (startsWith(bytes, gif))
        return EncodedKind::Gif;
    return EncodedKind::Jpeg;
}

std::vector<std::uint8_t> repairJpeg(std::span<const std::uint8_t> bytes)
{
    std::size_t pos = 0;
    // Skip leading EOI/SOI markers; the output opens with exactly one SOI.
    while (pos + 1 < bytes.size() && bytes[pos] == 0xFF && (bytes[pos + 1] == kSoi || bytes[pos + 1] == kEoi))
        pos += 2;
    if (pos == 0)
        return {bytes.begin(), bytes.end()};

    std::vector<std::uint8_t> out{0xFF, kSoi};
    out.reserve(bytes.size());
    while (pos + 1 < bytes.size() && bytes[pos] == 0xFF) {
        const std::uint8_t marker = bytes[pos + 1];
        if (marker == 0xFF) { // fill byte
            ++pos;
            continue;
        }
        if (marker == kSoi || marker == kEoi) {
            pos += 2;
            continue;
        }
        if (marker == kSos)
            break;
        std::size_t length = 2;
        if (!standalone(marker)) {
            if (pos + 3 >= bytes.size())
                break;
            length += (std::size_t(bytes[pos + 2]) << 8) | bytes[pos + 3];
        }
        if (length > bytes.size() - pos)
            break;
        out.insert(out.end(), bytes.begin() + std::ptrdiff_t(pos), bytes.begin() + std::ptrdiff_t(pos + length));
        pos += length;
    }
    out.insert(out.end(), bytes.begin() + std::ptrdiff_t(pos), bytes.end());
    return out;
}

std::vector<std::uint8_t> joinJpegTables(std::span<const std::uint8_t> tables, std::span<const std::uint8_t> image)
{
    std::vector<std::uint8_t> joined(tables.begin(), tables.end());
    joined.insert(joined.end(), image.begin(), image.end());
    return repairJpeg(joined);
}

} // namespace velumo::swf
