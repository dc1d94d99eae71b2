#pragma once

#include "players/media_player.h"

#include <QElapsedTimer>

#include <memory>

class QAudioSink;

namespace velumo {

class PcmStream;

// The media player on FFmpeg: songs are measured by decoding them completely and played through
// the default audio output. Without an audio device (a headless machine, a server without
// sound) the position advances by a monotonic clock instead, so previews and tests behave the
// same, only silent.
class FfmpegMediaPlayer : public MediaPlayer
{
public:
    FfmpegMediaPlayer();
    ~FfmpegMediaPlayer() override;

    void setFileName(const QString &path) override;
    QString fileName() const override;
    void open() override;
    void stop() override;
    void play() override;
    void seek(qint64 ms) override;
    qint64 length() const override;
    qint64 position() const override;
    MediaMode mode() const override;

    // Whether playing reaches a sound device, or only the clock.
    bool hasAudioOutput() const;

private:
    qint64 playedMs() const;
    void releaseOutput();
    bool startOutput();

    QString m_path;
    qint64 m_length = 0;
    qint64 m_start = 0; // position at which playing started, or the position while stopped
    MediaMode m_mode = MediaMode::NotOpen;
    QElapsedTimer m_clock;
    std::unique_ptr<PcmStream> m_stream;
    std::unique_ptr<QAudioSink> m_sink;
};

} // namespace velumo
