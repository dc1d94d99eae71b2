#include "tools/sample_media/song_sheet.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace velumo::samples {
namespace {

// Pitches by name, octave 4 and 5.
constexpr int C4 = 60, D4 = 62, E4 = 64, F4 = 65, G4 = 67, A4 = 69, B4 = 71, C5 = 72, D5 = 74, E5 = 76;
constexpr int Rest = 0;

constexpr Chord kC{48, 52, 55};
constexpr Chord kAm{45, 48, 52};
constexpr Chord kF{41, 45, 48};
constexpr Chord kG{43, 47, 50};
constexpr Chord kEm{40, 43, 47};

} // namespace

double beatSeconds()
{
    return 60.0 / kBeatsPerMinute;
}

double songSeconds()
{
    return kBars * kBeatsPerBar * beatSeconds();
}

double SungLine::startSeconds() const
{
    return startBar * kBeatsPerBar * beatSeconds();
}

double SungLine::endSeconds() const
{
    double beats = 0;
    double sungBeats = 0;
    for (const Note &note : notes) {
        beats += note.beats;
        if (note.pitch != Rest)
            sungBeats = beats;
    }
    return startSeconds() + sungBeats * beatSeconds();
}

std::vector<int> SungLine::syllableMilliseconds() const
{
    // Rounded at the note boundaries, so that the lengths add up to the line's sung time.
    const auto milliseconds = [](double beats) { return int(std::lround(beats * beatSeconds() * 1000.0)); };
    std::vector<int> lengths;
    double beats = 0;
    for (const Note &note : notes) {
        if (note.pitch != Rest)
            lengths.push_back(milliseconds(beats + note.beats) - milliseconds(beats));
        beats += note.beats;
    }
    return lengths;
}

const std::vector<SungLine> &sungLines()
{
    // Two bars a line: a verse from bar 2, the chorus from bar 10, two closing lines from bar
    // 18, and the tune ends on a held chord.
    static const std::vector<SungLine> lines = {
        {2, u"翻开旧相册"_s, {{E4, 1}, {G4, 1}, {A4, 1}, {G4, 1}, {E4, 3}, {Rest, 1}}},
        {4, u"阳光落在窗台上"_s, {{A4, 1}, {A4, 1}, {C5, 1}, {A4, 1}, {G4, 0.5}, {F4, 0.5}, {G4, 2}, {Rest, 1}}},
        {6, u"那年我们一起走过"_s, {{E4, 0.5}, {G4, 0.5}, {G4, 1}, {A4, 1}, {C5, 1}, {A4, 1}, {G4, 1}, {E4, 2}}},
        {8, u"小路和海边的风"_s, {{F4, 1}, {A4, 1}, {G4, 1}, {F4, 1}, {E4, 1}, {D4, 1}, {D4, 1.5}, {Rest, 0.5}}},
        {10, u"甜甜的笑容"_s, {{C5, 1}, {C5, 1}, {A4, 1}, {G4, 1}, {A4, 3}, {Rest, 1}}},
        {12, u"留在每一张照片"_s, {{B4, 1}, {G4, 1}, {E4, 1}, {G4, 0.5}, {A4, 0.5}, {B4, 1}, {A4, 2}, {Rest, 1}}},
        {14, u"慢慢地唱一首歌"_s, {{A4, 1}, {A4, 1}, {C5, 1}, {D5, 1}, {C5, 1}, {A4, 1}, {G4, 2}}},
        {16, u"把时光轻轻收藏"_s, {{E5, 1}, {D5, 1}, {C5, 1}, {A4, 1}, {G4, 0.5}, {A4, 0.5}, {C5, 3}}},
        {18, u"甜蜜蜜的日子"_s, {{C5, 1}, {A4, 1}, {G4, 1}, {E4, 1}, {G4, 1}, {A4, 2}, {Rest, 1}}},
        {20, u"一直在心里"_s, {{G4, 1}, {A4, 1}, {G4, 1}, {E4, 1}, {C4, 4}}},
    };
    return lines;
}

const std::vector<Chord> &chords()
{
    static const std::vector<Chord> bars = {
        kC, kG,                                 // introduction
        kC, kAm, kF, kG, kC, kAm, kF, kG,       // verse
        kF, kG, kEm, kAm, kF, kG, kC, kC,       // chorus
        kF, kG, kAm, kF, kC, kC,                // closing lines and the held end
    };
    return bars;
}

} // namespace velumo::samples
