#pragma once

// Just enough reading of the SWF format for the writer's tests to look inside what it wrote.

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace swf_bytes {

using Bytes = std::vector<std::uint8_t>;

// "46 57 53" -> {0x46, 0x57, 0x53}; whitespace and '|' separators are ignored.
Bytes hex(std::string_view text);
// The characters of `text` followed by a NUL.
Bytes cstr(std::string_view text);
Bytes concat(std::initializer_list<Bytes> parts);
Bytes inflate(std::span<const std::uint8_t> zlibStream);

struct Tag
{
    std::uint16_t code = 0;
    bool longHeader = false;
    Bytes body;
};

// Splits a tag stream, up to and including the End tag.
std::vector<Tag> splitTags(std::span<const std::uint8_t> stream);

struct Movie
{
    std::string signature;
    std::uint8_t version = 0;
    std::uint32_t fileLength = 0;
    Bytes uncompressed; // the whole file as FWS would hold it
    std::uint16_t frameRate = 0; // 8.8
    std::uint16_t frameCount = 0;
    std::vector<Tag> tags;
};

Movie parseMovie(std::span<const std::uint8_t> file);

class BitReader
{
public:
    explicit BitReader(std::span<const std::uint8_t> data, std::size_t offset = 0)
        : m_data(data)
        , m_pos(offset * 8)
    {
    }
    std::uint32_t ub(int bits);
    std::int32_t sb(int bits);
    std::uint8_t u8();
    std::uint16_t u16();
    void align() { m_pos = (m_pos + 7) / 8 * 8; }
    std::size_t byteOffset() const { return (m_pos + 7) / 8; }

private:
    std::span<const std::uint8_t> m_data;
    std::size_t m_pos; // in bits
};

} // namespace swf_bytes
