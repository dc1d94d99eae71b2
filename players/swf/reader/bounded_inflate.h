#pragma once

// zlib inflation with a hard ceiling on the output, checked while streaming: a small hostile
// stream can never make the reader allocate more than the ceiling.

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace velumo::swf {

struct Inflated
{
    std::vector<std::uint8_t> bytes; // at most the ceiling
    bool overflow = false;           // the stream holds more than the ceiling
};

// Throws FormatError (naming `offset`, where the stream starts) when the stream is corrupt or
// ends before its end marker. Stops at the ceiling and reports it rather than failing, so the
// caller decides whether surplus output is an error.
Inflated inflateBounded(std::span<const std::uint8_t> stream, std::size_t ceiling, std::size_t offset);

} // namespace velumo::swf
