#pragma once

// Reads a movie in the SWF format (FWS or CWS) into the decoded model.

#include "players/swf/model.h"

#include <cstdint>
#include <span>

namespace velumo::swf {

// Throws FormatError, with the byte offset in the uncompressed movie, for anything malformed
// or past the reader's limits. Never reads outside `bytes`.
Movie readMovie(std::span<const std::uint8_t> bytes);

} // namespace velumo::swf
