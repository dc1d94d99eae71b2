#pragma once

#include <QString>

namespace velumo {

// The name a song or lyric is shown by: the file name without its last four characters (the
// extension ".mp3" or ".lrc"), counted in characters: 甜蜜蜜.mp3 gives 甜蜜蜜.
QString mediaDisplayName(const QString &path);
// The extension with its dot, spelled as in the file name (".mp3", ".MP3"); empty without one.
QString mediaExtension(const QString &path);

} // namespace velumo
