#pragma once

#include <QString>

#include <vector>

namespace velumo::samples {

// The sample song 甜蜜蜜, written for the project: a 24-bar tune in C major at 96 beats a
// minute (2.5 seconds a bar, one minute in all) with its lyric, one syllable per melody note.
// The tune, the LRC file and the KSC script are all made from this one sheet, so their timings
// agree by construction.

inline constexpr double kBeatsPerMinute = 96.0;
inline constexpr int kBeatsPerBar = 4;
inline constexpr int kBars = 24;

double beatSeconds();
double songSeconds();

struct Note
{
    int pitch = 0;      // MIDI note number; 0 is a rest
    double beats = 0;   // length
};

// A sung line: where it starts, its notes and the syllables sung on them (one character each;
// the last notes may be rests without a syllable).
struct SungLine
{
    int startBar = 0;
    QString text;
    std::vector<Note> notes;

    double startSeconds() const;
    // When the last syllable ends.
    double endSeconds() const;
    // Each syllable's length in milliseconds, in order.
    std::vector<int> syllableMilliseconds() const;
};

const std::vector<SungLine> &sungLines();

// The chord of each bar as the MIDI numbers of its root-position triad.
struct Chord
{
    int root = 0;
    int third = 0;
    int fifth = 0;
};
const std::vector<Chord> &chords();

} // namespace velumo::samples
