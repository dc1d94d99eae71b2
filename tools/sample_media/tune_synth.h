#pragma once

#include <vector>

namespace velumo::samples {

inline constexpr int kSampleRate = 44100;

// The sample song rendered from its sheet: the melody on a soft organ-like voice, a plucked
// bass on each half bar and a quiet pad holding the chords, with a short fade at the end.
// Interleaved stereo, -1 … 1.
std::vector<float> synthesiseSong();

} // namespace velumo::samples
