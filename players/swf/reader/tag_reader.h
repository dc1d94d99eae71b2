#pragma once

// Splits a run of tags into (code, body). A body reader spans exactly the tag's declared length,
// so no record parser can read into the next tag.

#include "players/swf/reader/byte_reader.h"

#include <cstdint>
#include <optional>

namespace velumo::swf {

namespace tag {
enum : std::uint16_t {
    End = 0,
    ShowFrame = 1,
    DefineShape = 2,
    PlaceObject = 4,
    RemoveObject = 5,
    DefineBits = 6,
    JpegTables = 8,
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
    PlaceObject3 = 70,
    DefineShape4 = 83,
    DefineBitsJpeg4 = 90,
};
} // namespace tag

struct Tag
{
    std::uint16_t code = 0;
    std::size_t offset = 0; // of the tag header, for messages
    ByteReader body;
};

class TagReader
{
public:
    explicit TagReader(ByteReader &in);

    // The next tag, or nothing when the bytes are used up exactly. Throws FormatError for a
    // header cut short or a length past the end.
    std::optional<Tag> next();

private:
    ByteReader &m_in;
};

// A readable name for messages ("DefineShape3", or "tag 77").
std::string tagName(std::uint16_t code);

} // namespace velumo::swf
