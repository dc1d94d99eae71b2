#pragma once

#include "players/audio/song_decoder.h"

#include <QIODevice>

namespace velumo {

// A song as a read-only stream of 16-bit PCM, decoded as the audio output pulls it.
class PcmStream : public QIODevice
{
    Q_OBJECT

public:
    PcmStream(const QString &path, qint64 startMs);

    int sampleRate() const { return m_decoder.sampleRate(); }
    int channelCount() const { return m_decoder.channelCount(); }
    // Every sample has been handed out.
    bool finished() const { return m_finished && m_buffer.isEmpty(); }

    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    SongDecoder m_decoder;
    QByteArray m_buffer;
    bool m_finished = false;
};

} // namespace velumo
