#pragma once

// PlaceObject, PlaceObject2, PlaceObject3 and RemoveObject, RemoveObject2 bodies.

#include "players/swf/model.h"
#include "players/swf/reader/byte_reader.h"

#include <cstdint>

namespace velumo::swf {

PlaceCommand readPlaceObject(ByteReader &body, std::uint16_t tagCode);
RemoveCommand readRemoveObject(ByteReader &body, std::uint16_t tagCode);

} // namespace velumo::swf
