#include "players/swf/reader/bit_reader.h"

namespace velumo::swf {

BitReader::BitReader(ByteReader &bytes)
    : m_bytes(bytes)
{
}

std::uint32_t BitReader::ub(unsigned bits)
{
    if (bits > 32)
        m_bytes.fail("bit field wider than 32 bits");
    std::uint64_t value = 0;
    while (bits > 0) {
        if (m_left == 0) {
            m_current = m_bytes.u8();
            m_left = 8;
        }
        const unsigned take = bits < m_left ? bits : m_left;
        const unsigned shift = m_left - take;
        const unsigned chunk = (unsigned(m_current) >> shift) & ((1u << take) - 1u);
        value = (value << take) | chunk;
        m_left -= take;
        bits -= take;
    }
    return static_cast<std::uint32_t>(value);
}

std::int32_t BitReader::sb(unsigned bits)
{
    if (bits == 0)
        return 0;
    const std::uint32_t raw = ub(bits);
    if (bits == 32)
        return static_cast<std::int32_t>(raw);
    const std::uint32_t sign = 1u << (bits - 1);
    return static_cast<std::int32_t>(static_cast<std::int64_t>(raw ^ sign) - static_cast<std::int64_t>(sign));
}

double BitReader::fb(unsigned bits)
{
    return sb(bits) / 65536.0;
}

} // namespace velumo::swf
