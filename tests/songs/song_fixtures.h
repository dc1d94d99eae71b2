#pragma once

#include <QString>

namespace velumo::test {

// MP3 songs made at test time with the ffmpeg tool: a 440 Hz tone of the given length,
// 44.1 kHz mono, written once per length and run, then copied to `target`.
// Fails the current test (and returns false) when ffmpeg is missing or fails.
bool writeToneMp3(const QString &target, double seconds);

// Another format under the given name: a short WAV tone.
bool writeToneWav(const QString &target, double seconds);

} // namespace velumo::test
