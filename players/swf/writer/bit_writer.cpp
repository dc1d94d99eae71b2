#include "players/swf/writer/bit_writer.h"

#include <bit>
#include <cmath>
#include <cstring>
#include <string>

namespace velumo::swf::writer {

int unsignedBits(std::uint32_t value)
{
    return std::bit_width(value);
}

int signedBits(std::int32_t value)
{
    if (value == 0)
        return 0;
    const auto magnitude = static_cast<std::uint32_t>(value < 0 ? ~value : value);
    return 1 + std::bit_width(magnitude);
}

int fixedBits(double value)
{
    return signedBits(toFixed16(value));
}

std::int32_t toFixed16(double value)
{
    const double scaled = std::round(value * 65536.0);
    if (!std::isfinite(scaled) || scaled < -2147483648.0 || scaled > 2147483647.0)
        throw WriteError("fixed-point 16.16 value out of range: " + std::to_string(value));
    return static_cast<std::int32_t>(scaled);
}

std::int16_t toFixed8(double value)
{
    const double scaled = std::round(value * 256.0);
    if (!std::isfinite(scaled) || scaled < -32768.0 || scaled > 32767.0)
        throw WriteError("fixed-point 8.8 value out of range: " + std::to_string(value));
    return static_cast<std::int16_t>(scaled);
}

void BitWriter::ub(std::uint32_t value, int bits)
{
    if (bits < 0 || bits > 32 || (bits < 32 && (std::uint64_t(value) >> bits) != 0))
        throw WriteError("unsigned " + std::to_string(value) + " does not fit in " + std::to_string(bits) + " bits");
    for (int i = bits - 1; i >= 0; --i) {
        m_pending = static_cast<std::uint8_t>(m_pending | (((value >> i) & 1u) << (7 - m_bitCount)));
        if (++m_bitCount == 8) {
            m_bytes.push_back(m_pending);
            m_pending = 0;
            m_bitCount = 0;
        }
    }
}

void BitWriter::sb(std::int32_t value, int bits)
{
    if (bits < 0 || bits > 32 || signedBits(value) > bits)
        throw WriteError("signed " + std::to_string(value) + " does not fit in " + std::to_string(bits) + " bits");
    const std::uint32_t mask = bits == 32 ? 0xFFFFFFFFu : ((1u << bits) - 1u);
    ub(static_cast<std::uint32_t>(value) & mask, bits);
}

void BitWriter::align()
{
    if (m_bitCount != 0) {
        m_bytes.push_back(m_pending);
        m_pending = 0;
        m_bitCount = 0;
    }
}

void BitWriter::u8(std::uint8_t value)
{
    align();
    m_bytes.push_back(value);
}

void BitWriter::u16(std::uint16_t value)
{
    u8(static_cast<std::uint8_t>(value));
    u8(static_cast<std::uint8_t>(value >> 8));
}

void BitWriter::u32(std::uint32_t value)
{
    u16(static_cast<std::uint16_t>(value));
    u16(static_cast<std::uint16_t>(value >> 16));
}

void BitWriter::f32(float value)
{
    u32(std::bit_cast<std::uint32_t>(value));
}

void BitWriter::append(std::span<const std::uint8_t> bytes)
{
    align();
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
}

void BitWriter::string(std::string_view text)
{
    if (text.find('\0') != std::string_view::npos)
        throw WriteError("string holds a NUL character: " + std::string(text.substr(0, text.find('\0'))));
    align();
    m_bytes.insert(m_bytes.end(), text.begin(), text.end());
    m_bytes.push_back(0);
}

Bytes BitWriter::take()
{
    align();
    Bytes out = std::move(m_bytes);
    m_bytes.clear();
    return out;
}

} // namespace velumo::swf::writer
