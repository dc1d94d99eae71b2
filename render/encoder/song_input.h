#pragma once

#include "render/encoder/av_handles.h"

#include <QString>

namespace velumo {

// One song, decoded and resampled to the output's sound format (stereo).
class SongInput
{
public:
    // Opens the song; throws EncoderFailure (MclErrorAudioSource) when it cannot be read.
    SongInput(const QString &path, int sampleRate, AVSampleFormat format);

    const QString &path() const { return m_path; }

    // Appends the next decoded samples to `fifo`; false once the song has ended and the
    // resampler has given its last samples. Damaged packets are skipped.
    bool decodeMore(AVAudioFifo *fifo);

private:
    void resampleInto(AVAudioFifo *fifo, const AVFrame *frame);
    void openResampler(const AVFrame *frame);

    QString m_path;
    int m_sampleRate;
    AVSampleFormat m_format;
    InputFormatPtr m_input;
    CodecContextPtr m_decoder;
    SwrPtr m_resampler;
    PacketPtr m_packet;
    FramePtr m_frame;
    int m_stream = -1;
    bool m_inputEnded = false;
    bool m_ended = false;
};

// Samples of a song at its own rate, or 0 when it cannot be read.
qint64 probeSongSamples(const QString &path);

} // namespace velumo
