#include "render/encoder/audio_track.h"

extern "C" {
#include <libavutil/samplefmt.h>
}

namespace velumo {

AudioTrack::AudioTrack(std::vector<std::unique_ptr<SongInput>> songs, AVSampleFormat format, int frameSize)
    : m_format(format)
    , m_frameSize(frameSize)
    , m_songs(std::move(songs))
    , m_fifo(av_audio_fifo_alloc(format, 2, frameSize * 4))
{
}

void AudioTrack::fill(AVFrame *frame)
{
    while (av_audio_fifo_size(m_fifo.get()) < m_frameSize && m_current < m_songs.size()) {
        if (!m_songs[m_current]->decodeMore(m_fifo.get()))
            m_songs[m_current++].reset(); // the song's file closes as soon as it has ended
    }
    const int got = av_audio_fifo_read(m_fifo.get(), reinterpret_cast<void **>(frame->data), m_frameSize);
    const int have = got > 0 ? got : 0;
    if (have < m_frameSize)
        av_samples_set_silence(frame->data, have, m_frameSize - have, 2, m_format);
}

bool AudioTrack::songsUsedUp()
{
    while (av_audio_fifo_size(m_fifo.get()) == 0 && m_current < m_songs.size()) {
        if (!m_songs[m_current]->decodeMore(m_fifo.get()))
            m_songs[m_current++].reset();
    }
    return m_current >= m_songs.size() && av_audio_fifo_size(m_fifo.get()) == 0;
}

} // namespace velumo
