#pragma once

#include <QtGlobal>

namespace velumo {

// The album runs at 25 frames a second. On NTSC (30000/1001) album frame i fills the output
// frames whose time falls within it, so about one frame in five repeats and the album keeps
// its length and its songs' timing.
struct FrameSpan
{
    qint64 first = 0;
    qint64 end = 0; // one past the last

    qint64 count() const { return end - first; }
};

FrameSpan outputFramesOf(qint64 albumFrame, bool repeatForNtsc);

} // namespace velumo
