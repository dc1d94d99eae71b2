#pragma once

#include <QString>

namespace velumo {

enum class MediaMode
{
    NotOpen, // no file opened yet, or the last open failed
    Stopped, // opened, not playing: stopped by a caller or played to the end
    Playing,
};

// The one player of songs, shared by the music import (measuring), the karaoke window and the
// previews. Callers take turns: each stops whatever the player holds before opening another file.
// Lengths and positions are milliseconds.
class MediaPlayer
{
public:
    virtual ~MediaPlayer() = default;

    // The next open() uses this file.
    virtual void setFileName(const QString &path) = 0;
    virtual QString fileName() const = 0;
    // Opens and measures the file; afterwards the player is stopped at position 0. Throws
    // velumo::Failure naming the file when it is not a playable MP3 song; the player is then
    // NotOpen.
    virtual void open() = 0;
    // Playing stops at the current position.
    virtual void stop() = 0;
    // Plays from the current position; at the end of the song there is nothing left to play.
    virtual void play() = 0;
    // Moves to `ms` (clamped to the song); playing stops, the next play() continues from there.
    virtual void seek(qint64 ms) = 0;
    virtual qint64 length() const = 0;
    virtual qint64 position() const = 0;
    // Stopped once the song has played to its end.
    virtual MediaMode mode() const = 0;
};

} // namespace velumo
