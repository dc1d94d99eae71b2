#pragma once

// Low-level output for the SWF format: little-endian integers and MSB-first bit fields in one
// buffer. Bit-field records (RECT, MATRIX, shape records, ...) start on a byte boundary and
// end padded, so every byte-level write pads pending bits first.

#include <cstdint>
#include <span>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace velumo::swf::writer {

using Bytes = std::vector<std::uint8_t>;

// A value the SWF format cannot hold, or a call that would make an invalid file.
class WriteError : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

// Minimal field widths. Zero needs no bits at all: a field of width 0 reads back as 0.
int unsignedBits(std::uint32_t value);
// 1 + the bit length of the value (of ~value when negative).
int signedBits(std::int32_t value);
// Width of a 16.16 fixed-point field holding `value` (1.0 = 65536 needs 18 bits).
int fixedBits(double value);

// 16.16 and 8.8 fixed point, rounded to nearest; out of range is a WriteError.
std::int32_t toFixed16(double value);
std::int16_t toFixed8(double value);

class BitWriter
{
public:
    // Bit fields, most significant bit first. A value that does not fit the width is a WriteError.
    void ub(std::uint32_t value, int bits);
    void sb(std::int32_t value, int bits);
    void fb(double value, int bits) { sb(toFixed16(value), bits); }
    void flag(bool value) { ub(value ? 1 : 0, 1); }
    // Pads the pending bits with zeros up to the next byte boundary.
    void align();
    bool aligned() const { return m_bitCount == 0; }

    // Little-endian bytes; each pads pending bits first.
    void u8(std::uint8_t value);
    void u16(std::uint16_t value);
    void u32(std::uint32_t value);
    void i32(std::int32_t value) { u32(static_cast<std::uint32_t>(value)); }
    void f32(float value);
    void append(std::span<const std::uint8_t> bytes);
    // NUL-terminated. An embedded NUL would cut the string short when read: WriteError.
    void string(std::string_view text);

    // Byte count so far, a partial last byte included.
    std::size_t size() const { return m_bytes.size() + (m_bitCount ? 1 : 0); }
    // The bytes written, padded to a whole byte.
    Bytes take();

private:
    Bytes m_bytes;
    std::uint8_t m_pending = 0;
    int m_bitCount = 0; // bits used in m_pending
};

} // namespace velumo::swf::writer
