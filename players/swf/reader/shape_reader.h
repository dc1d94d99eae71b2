#pragma once

// DefineShape 1–4 bodies into ShapeDefs: styles per layer and joined, oriented contours.

#include "players/swf/model.h"
#include "players/swf/reader/byte_reader.h"
#include "players/swf/reader/limits.h"

#include <cstdint>

namespace velumo::swf {

// `tagCode` picks the version. The shape's points are charged to `budget`.
ShapeDef readShape(ByteReader &body, std::uint16_t tagCode, Budget &budget);

} // namespace velumo::swf
