#pragma once

// FILLSTYLEARRAY and LINESTYLEARRAY, for each DefineShape version.

#include "players/swf/model.h"
#include "players/swf/reader/byte_reader.h"

#include <vector>

namespace velumo::swf {

// 1 to 4: DefineShape .. DefineShape4. Decides RGB vs RGBA, extended counts and LINESTYLE2.
using ShapeVersion = int;

std::vector<FillStyle> readFillStyles(ByteReader &in, ShapeVersion version);
std::vector<LineStyle> readLineStyles(ByteReader &in, ShapeVersion version);
FillStyle readFillStyle(ByteReader &in, ShapeVersion version);

} // namespace velumo::swf
