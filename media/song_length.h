#pragma once

#include <QString>

namespace velumo {

// A song's length as the music table shows it: "00:" + minutes + ":" + seconds of the whole
// seconds, each at least two digits; minutes do not wrap at 60 (3 725 000 ms give 00:62:05).
QString songTimeText(qint64 lengthMs);
// The frames the song covers at 25 frames per second, whole seconds only: 59 999 ms give 1475.
qint64 songFramesNeeded(qint64 lengthMs);

} // namespace velumo
