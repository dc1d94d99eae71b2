#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/audio_fifo.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <memory>

namespace velumo {

// Owners of FFmpeg objects, freed the way each one must be.
struct CodecContextFree
{
    void operator()(AVCodecContext *c) const { avcodec_free_context(&c); }
};
struct FrameFree
{
    void operator()(AVFrame *f) const { av_frame_free(&f); }
};
struct PacketFree
{
    void operator()(AVPacket *p) const { av_packet_free(&p); }
};
struct InputFormatClose
{
    void operator()(AVFormatContext *f) const { avformat_close_input(&f); }
};
struct SwrFree
{
    void operator()(SwrContext *s) const { swr_free(&s); }
};
struct SwsFree
{
    void operator()(SwsContext *s) const { sws_freeContext(s); }
};
struct AudioFifoFree
{
    void operator()(AVAudioFifo *f) const { av_audio_fifo_free(f); }
};

using CodecContextPtr = std::unique_ptr<AVCodecContext, CodecContextFree>;
using FramePtr = std::unique_ptr<AVFrame, FrameFree>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFree>;
using InputFormatPtr = std::unique_ptr<AVFormatContext, InputFormatClose>;
using SwrPtr = std::unique_ptr<SwrContext, SwrFree>;
using SwsPtr = std::unique_ptr<SwsContext, SwsFree>;
using AudioFifoPtr = std::unique_ptr<AVAudioFifo, AudioFifoFree>;

} // namespace velumo
