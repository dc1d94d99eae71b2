#pragma once

// MSB-first bit fields, pulled a byte at a time from a ByteReader. Reading past the end of the
// underlying bytes throws FormatError; field widths above 32 bits are rejected the same way.

#include "players/swf/reader/byte_reader.h"

#include <cstdint>

namespace velumo::swf {

class BitReader
{
public:
    // Starts at the reader's current byte; the reader advances as bytes are consumed.
    explicit BitReader(ByteReader &bytes);

    std::uint32_t ub(unsigned bits);
    std::int32_t sb(unsigned bits);     // sign-extended
    double fb(unsigned bits);           // 16.16 fixed point
    bool flag() { return ub(1) != 0; }
    // Drops the rest of the current byte; the next read starts on a byte boundary.
    void align() { m_left = 0; }

private:
    ByteReader &m_bytes;
    std::uint8_t m_current = 0;
    unsigned m_left = 0; // unread bits of m_current
};

} // namespace velumo::swf
