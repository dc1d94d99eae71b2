#include "players/audio/ffmpeg_media_player.h"

#include "players/audio/pcm_stream.h"
#include "players/audio/song_decoder.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace velumo {

FfmpegMediaPlayer::FfmpegMediaPlayer() = default;

FfmpegMediaPlayer::~FfmpegMediaPlayer()
{
    releaseOutput();
}

void FfmpegMediaPlayer::setFileName(const QString &path)
{
    m_path = path;
}

QString FfmpegMediaPlayer::fileName() const
{
    return m_path;
}

void FfmpegMediaPlayer::open()
{
    releaseOutput();
    m_mode = MediaMode::NotOpen;
    m_length = 0;
    m_start = 0;
    m_length = measureSongMs(m_path);
    m_mode = MediaMode::Stopped;
}

void FfmpegMediaPlayer::stop()
{
    if (m_mode != MediaMode::Playing)
        return;
    m_start = position();
    releaseOutput();
    m_mode = MediaMode::Stopped;
}

void FfmpegMediaPlayer::play()
{
    if (m_mode != MediaMode::Stopped || m_start >= m_length)
        return;
    if (!startOutput())
        releaseOutput(); // no device, or it refused the song: the clock alone keeps time
    m_clock.start();
    m_mode = MediaMode::Playing;
}

void FfmpegMediaPlayer::seek(qint64 ms)
{
    if (m_mode == MediaMode::NotOpen)
        return;
    stop();
    m_start = qBound<qint64>(0, ms, m_length);
}

qint64 FfmpegMediaPlayer::length() const
{
    return m_length;
}

qint64 FfmpegMediaPlayer::position() const
{
    if (m_mode != MediaMode::Playing)
        return m_start;
    return qMin(m_length, m_start + playedMs());
}

MediaMode FfmpegMediaPlayer::mode() const
{
    if (m_mode != MediaMode::Playing)
        return m_mode;
    const bool deviceDone = m_sink && m_stream->finished() && m_sink->state() != QAudio::ActiveState;
    return deviceDone || position() >= m_length ? MediaMode::Stopped : MediaMode::Playing;
}

bool FfmpegMediaPlayer::hasAudioOutput() const
{
    return !QMediaDevices::defaultAudioOutput().isNull();
}

qint64 FfmpegMediaPlayer::playedMs() const
{
    if (m_sink && m_sink->state() != QAudio::StoppedState)
        return m_sink->processedUSecs() / 1000;
    return m_clock.elapsed();
}

bool FfmpegMediaPlayer::startOutput()
{
    releaseOutput();
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    m_stream = std::make_unique<PcmStream>(m_path, m_start);
    QAudioFormat format;
    format.setSampleRate(m_stream->sampleRate());
    format.setChannelCount(m_stream->channelCount());
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format))
        return false;
    m_sink = std::make_unique<QAudioSink>(device, format);
    m_sink->start(m_stream.get());
    return m_sink->error() == QAudio::NoError;
}

void FfmpegMediaPlayer::releaseOutput()
{
    if (m_sink)
        m_sink->stop();
    m_sink.reset();
    m_stream.reset();
}

} // namespace velumo
