// Movie bytes in, a decoded movie or a FormatError out.
#include "players/swf/reader/movie_reader.h"
#include "tests/fuzz/fuzz_entry.h"

namespace {

void readAnyMovie(std::span<const std::uint8_t> input)
{
    try {
        velumo::swf::readMovie(input);
    } catch (const velumo::swf::FormatError &) {
        // rejected with a message: the expected outcome for malformed input
    }
}

} // namespace

VELUMO_FUZZ_ENTRY(swf_reader, readAnyMovie);
