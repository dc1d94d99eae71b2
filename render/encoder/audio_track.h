#pragma once

#include "render/encoder/av_handles.h"
#include "render/encoder/song_input.h"

#include <memory>
#include <vector>

namespace velumo {

// The album's sound track: the songs one after another, then silence, cut into encoder
// frames of a fixed size.
class AudioTrack
{
public:
    AudioTrack(std::vector<std::unique_ptr<SongInput>> songs, AVSampleFormat format, int frameSize);

    // Fills `frame` (allocated for frameSize stereo samples) with the next samples, silence
    // where the songs have run out.
    void fill(AVFrame *frame);
    // True once every song has been decoded and its samples handed out.
    bool songsUsedUp();

private:
    AVSampleFormat m_format;
    int m_frameSize;
    std::vector<std::unique_ptr<SongInput>> m_songs;
    size_t m_current = 0;
    AudioFifoPtr m_fifo;
};

} // namespace velumo
