#pragma once

// Tag framing: a UI16 of code << 6 | length, with the long form (length 0x3F, then a UI32)
// for bodies of 63 bytes or more and always for bitmap definitions.

#include "players/swf/tag_codes.h"
#include "players/swf/writer/bit_writer.h"

#include <cstdint>
#include <span>

namespace velumo::swf::writer {

// Tags whose header is always long, whatever their length: the bitmap definitions.
bool alwaysLongHeader(TagCode code);

// A stream of tags: a movie's tags after the header, or a sprite's control tags.
class TagWriter
{
public:
    void write(TagCode code, std::span<const std::uint8_t> body = {});

    const Bytes &bytes() const { return m_bytes; }
    std::size_t size() const { return m_bytes.size(); }

private:
    Bytes m_bytes;
};

} // namespace velumo::swf::writer
