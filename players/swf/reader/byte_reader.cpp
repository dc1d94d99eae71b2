#include "players/swf/reader/byte_reader.h"

#include <algorithm>

namespace velumo::swf {

void throwFormatError(std::string_view message, std::size_t offset)
{
    std::string text(message);
    text += " (byte ";
    text += std::to_string(offset);
    text += ')';
    throw FormatError(text);
}

ByteReader::ByteReader(std::span<const std::uint8_t> bytes, std::size_t base)
    : m_bytes(bytes)
    , m_base(base)
{
}

void ByteReader::need(std::size_t count) const
{
    if (count > remaining())
        fail("unexpected end of data: " + std::to_string(count) + " bytes needed, " + std::to_string(remaining())
             + " left");
}

std::uint8_t ByteReader::u8()
{
    need(1);
    return m_bytes[m_pos++];
}

std::uint16_t ByteReader::u16()
{
    need(2);
    const auto value = static_cast<std::uint16_t>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
    m_pos += 2;
    return value;
}

std::uint32_t ByteReader::u32()
{
    need(4);
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | m_bytes[m_pos + std::size_t(i)];
    m_pos += 4;
    return value;
}

std::span<const std::uint8_t> ByteReader::take(std::size_t count)
{
    need(count);
    const auto part = m_bytes.subspan(m_pos, count);
    m_pos += count;
    return part;
}

ByteReader ByteReader::sub(std::size_t count)
{
    const std::size_t start = offset();
    return ByteReader(take(count), start);
}

std::string ByteReader::string()
{
    const auto begin = m_bytes.begin() + std::ptrdiff_t(m_pos);
    const auto nul = std::find(begin, m_bytes.end(), std::uint8_t(0));
    if (nul == m_bytes.end())
        fail("string without its terminating NUL");
    std::string text(begin, nul);
    m_pos += text.size() + 1;
    return text;
}

} // namespace velumo::swf
