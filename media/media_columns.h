#pragma once

#include <QString>

// Column numbers of the music and lyric tables and of the two panels' lists.
namespace velumo {

namespace music_col {
inline constexpr int Name = 1;
inline constexpr int Type = 2;
inline constexpr int Path = 3;
inline constexpr int Time = 4;
inline constexpr int Frames = 5;
inline constexpr int LyricKey = 6;
inline constexpr int LyricName = 7;
} // namespace music_col

namespace lyric_col {
inline constexpr int Name = 1;
inline constexpr int Type = 2;
inline constexpr int Path = 3;
inline constexpr int SongKey = 4;
inline constexpr int SongName = 5;
inline constexpr int Colour = 6;
inline constexpr int ColourNumber = 7;
inline constexpr int Size = 8;
inline constexpr int Font = 9;
inline constexpr int Bold = 10;
inline constexpr int Italic = 11;
inline constexpr int Underline = 12;
inline constexpr int Horizontal = 13;
inline constexpr int Vertical = 14;
} // namespace lyric_col

namespace music_list_col {
inline constexpr int BoundLyric = 5;
}

namespace lyric_list_col {
inline constexpr int BoundSong = 4;
}

// The "none" token: no binding, no selection.
inline QString noneToken()
{
    return QStringLiteral("wu");
}

} // namespace velumo
