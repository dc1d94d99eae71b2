#pragma once

#include <QString>

namespace velumo {

// The album runs at this clock whatever the TV standard.
inline constexpr int kAlbumFramesPerSecond = 25;

// A frame count as "mm:ss" at the album clock; whole hours are dropped and negative counts
// show 00:00.
QString frameTimeText(int frames);

} // namespace velumo
