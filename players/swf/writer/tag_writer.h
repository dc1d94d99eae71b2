#pragma once

// Tag framing: a UI16 of code << 6 | length, with the long form (length 0x3F, then a UI32)
// for bodies of 63 bytes or more and always for bitmap definitions.

#include "players/swf/writer/bit_writer.h"

#include <cstdint>
#include <span>

namespace velumo::swf::writer {

enum class TagCode : std::uint16_t {
    End = 0,
    ShowFrame = 1,
    DefineShape = 2,
    SetBackgroundColor = 9,
    DoAction = 12,
    DefineBitsLossless = 20,
    DefineBitsJpeg2 = 21,
    DefineShape2 = 22,
    PlaceObject2 = 26,
    RemoveObject2 = 28,
    DefineShape3 = 32,
    DefineBitsJpeg3 = 35,
    DefineBitsLossless2 = 36,
    DefineSprite = 39,
    FrameLabel = 43,
    FileAttributes = 69,
    DefineShape4 = 83,
};

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
