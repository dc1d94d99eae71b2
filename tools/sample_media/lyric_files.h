#pragma once

#include <QByteArray>

namespace velumo::samples {

// The sample song's lyric as an LRC file: title, artist, album and author tags, then one
// time-tagged line per sung line at the moment it starts. UTF-8, CR LF line ends.
QByteArray lrcFile();

// The same lyric as a karaoke script: one karaoke.add line per sung line with its start and
// end time, its text and every syllable's length in milliseconds. UTF-8, CR LF line ends.
QByteArray kscFile();

} // namespace velumo::samples
