#pragma once

#include <QString>

#include <vector>

namespace velumo::samples {

// Encodes interleaved stereo samples (-1 … 1) at `sampleRate` as an MP3 file with FFmpeg's
// libmp3lame encoder, 128 kbit/s. Throws std::runtime_error when the file cannot be written.
void writeMp3(const QString &path, const std::vector<float> &interleavedStereo, int sampleRate);

} // namespace velumo::samples
