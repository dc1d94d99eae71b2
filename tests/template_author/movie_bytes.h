#pragma once

// Looks into written movies without the project's reader: the tag stream of the root
// timeline, read straight from the file bytes.

#include "players/swf/writer/bit_writer.h"

#include <QByteArray>

#include <cstdint>
#include <vector>

namespace velumo::test {

struct RootTag
{
    std::uint16_t code = 0;
    QByteArray body;
};

// The header's frame count and the root timeline's tags (sprite bodies are not entered).
// Fails the calling test (and returns nothing) for a file that is not a CWS/FWS movie.
struct RootTags
{
    std::uint16_t headerFrames = 0;
    std::vector<RootTag> tags;
};
RootTags rootTags(const QByteArray &movie);

QByteArray toByteArray(const swf::writer::Bytes &bytes);

} // namespace velumo::test
