#pragma once

// The file header: signature, version and, for CWS files, the inflated body.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velumo::swf {

class MovieFile
{
public:
    // Throws FormatError for an unknown signature, a file over the size limit, or a compressed
    // body that is corrupt or inflates past min(FileLength − 8, the size limit).
    explicit MovieFile(std::span<const std::uint8_t> bytes);

    std::uint8_t version() const { return m_version; }
    // Everything after the 8-byte file header, uncompressed. Byte i is at movie offset 8 + i.
    std::span<const std::uint8_t> body() const { return m_body; }

    static constexpr std::size_t kHeaderBytes = 8;

private:
    std::uint8_t m_version = 0;
    std::vector<std::uint8_t> m_inflated; // CWS only
    std::span<const std::uint8_t> m_body;
};

} // namespace velumo::swf
