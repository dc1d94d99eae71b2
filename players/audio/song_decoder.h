#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

namespace velumo {

// Reads an MP3 song with FFmpeg: decodes it frame by frame and, on request, converts the
// samples to interleaved signed 16-bit PCM at the song's own rate (mono stays mono, more than
// two channels are mixed down to stereo).
//
// Throws velumo::Failure with a message naming the file when the file is empty, cannot be
// read, holds no MP3 audio (another format under an .mp3 name), or when not a single frame
// of it decodes.
class SongDecoder
{
public:
    explicit SongDecoder(const QString &path);
    ~SongDecoder();
    SongDecoder(const SongDecoder &) = delete;
    SongDecoder &operator=(const SongDecoder &) = delete;

    int sampleRate() const;
    int channelCount() const; // of the PCM output: 1 or 2

    // The length the file itself declares in milliseconds (an Xing/Info header of a VBR or
    // LAME file), or -1 when the length was only estimated from the bit rate.
    qint64 declaredLengthMs() const;

    // Decodes the next frame; false at the end of the song. Damaged packets are skipped.
    // The samples the encoder added at the start and end (gapless info) are left out.
    bool decodeFrame();
    // Samples per channel of the frame last decoded, and their rate.
    int frameSamples() const;
    int frameSampleRate() const;
    // Appends the frame last decoded as PCM.
    void appendPcm(QByteArray &out);

    // Continues decoding from `ms`; the first frames after it may start a little earlier.
    void seek(qint64 ms);

private:
    struct State;
    std::unique_ptr<State> m_state;
};

// The exact length of a song in milliseconds, by decoding all of it. Throws velumo::Failure
// naming the file when it is not a playable MP3 song: see SongDecoder, and besides when the
// song decodes to much less than the length its header declares (a cut-off download), or
// when it is longer than kMaxSongMs.
qint64 measureSongMs(const QString &path);

inline constexpr qint64 kMaxSongMs = 6LL * 3600 * 1000;

} // namespace velumo
