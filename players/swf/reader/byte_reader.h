#pragma once

// Bounds-checked little-endian reads over a span of bytes. Every failure throws FormatError
// naming the absolute byte offset in the (uncompressed) movie.

#include "players/swf/model.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace velumo::swf {

// Throws FormatError("<message> (byte <offset>)").
[[noreturn]] void throwFormatError(std::string_view message, std::size_t offset);

class ByteReader
{
public:
    // `base` is the offset of bytes[0] in the movie, used only in error messages.
    explicit ByteReader(std::span<const std::uint8_t> bytes, std::size_t base = 0);

    std::size_t offset() const { return m_base + m_pos; } // absolute, for messages
    std::size_t remaining() const { return m_bytes.size() - m_pos; }
    bool atEnd() const { return m_pos == m_bytes.size(); }

    std::uint8_t u8();
    std::uint16_t u16();
    std::uint32_t u32();
    std::int16_t s16() { return static_cast<std::int16_t>(u16()); }

    std::span<const std::uint8_t> take(std::size_t count);
    std::span<const std::uint8_t> rest() { return take(remaining()); }
    void skip(std::size_t count) { take(count); }
    // A reader over the next `count` bytes; this one moves past them.
    ByteReader sub(std::size_t count);
    // A NUL-terminated string, NUL consumed, bytes kept as stored.
    std::string string();

    [[noreturn]] void fail(std::string_view message) const { throwFormatError(message, offset()); }

private:
    void need(std::size_t count) const;

    std::span<const std::uint8_t> m_bytes;
    std::size_t m_base = 0;
    std::size_t m_pos = 0;
};

} // namespace velumo::swf
