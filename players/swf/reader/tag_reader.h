#pragma once

// Splits a run of tags into (code, body). A body reader spans exactly the tag's declared length,
// so no record parser can read into the next tag.

#include "players/swf/reader/byte_reader.h"
#include "players/swf/tag_codes.h"

#include <cstdint>
#include <optional>

namespace velumo::swf {


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
