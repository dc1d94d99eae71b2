#pragma once

#include <functional>

namespace velumo {

struct Form1State;
class RandomSource;

// Draws a template and a slot for every row of the import batch (the photo processing table),
// opens template instances by raising the template counter, and appends the batch rows to the
// imported photo table with both marks "jiancai_no". `step` runs once per batch row.
//
// Before anything changes, throws velumo::Failure when a photo's orientation has no template
// to draw from (an empty candidate table, or an empty fallback table where a group template
// could be drawn that does not fit), naming what the library lacks.
void assignBatch(Form1State &form1, RandomSource &random, const std::function<void()> &step);

} // namespace velumo
