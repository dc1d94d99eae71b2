#include "tools/sample_media/mp3_file.h"

#include "render/encoder/av_handles.h"

extern "C" {
#include <libavutil/error.h>
#include <libavutil/opt.h>
}

#include <algorithm>
#include <stdexcept>
#include <string>

namespace velumo::samples {
namespace {

struct OutputFormatFree
{
    void operator()(AVFormatContext *f) const
    {
        if (f->pb)
            avio_closep(&f->pb);
        avformat_free_context(f);
    }
};

void check(int result, const char *what)
{
    if (result < 0) {
        char reason[AV_ERROR_MAX_STRING_SIZE] = {};
        av_strerror(result, reason, sizeof reason);
        throw std::runtime_error(std::string(what) + ": " + reason);
    }
}

void drain(AVCodecContext *codec, AVFormatContext *format, AVStream *stream, AVPacket *packet)
{
    for (;;) {
        const int received = avcodec_receive_packet(codec, packet);
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        check(received, "encoding");
        av_packet_rescale_ts(packet, codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        check(av_interleaved_write_frame(format, packet), "writing");
    }
}

} // namespace

void writeMp3(const QString &path, const std::vector<float> &interleavedStereo, int sampleRate)
{
    const QByteArray fileName = path.toUtf8();
    AVFormatContext *rawFormat = nullptr;
    check(avformat_alloc_output_context2(&rawFormat, nullptr, "mp3", fileName.constData()), "mp3 muxer");
    const std::unique_ptr<AVFormatContext, OutputFormatFree> format(rawFormat);

    const AVCodec *encoder = avcodec_find_encoder_by_name("libmp3lame");
    if (!encoder)
        throw std::runtime_error("FFmpeg has no libmp3lame encoder");
    const CodecContextPtr codec(avcodec_alloc_context3(encoder));
    codec->sample_rate = sampleRate;
    codec->sample_fmt = AV_SAMPLE_FMT_FLTP;
    codec->bit_rate = 128000;
    codec->time_base = AVRational{1, sampleRate};
    av_channel_layout_default(&codec->ch_layout, 2);
    check(avcodec_open2(codec.get(), encoder, nullptr), "opening libmp3lame");

    AVStream *stream = avformat_new_stream(format.get(), nullptr);
    if (!stream)
        throw std::runtime_error("no stream");
    stream->time_base = codec->time_base;
    check(avcodec_parameters_from_context(stream->codecpar, codec.get()), "stream parameters");
    check(avio_open(&format->pb, fileName.constData(), AVIO_FLAG_WRITE), "opening the file");
    check(avformat_write_header(format.get(), nullptr), "writing the header");

    const FramePtr frame(av_frame_alloc());
    const PacketPtr packet(av_packet_alloc());
    const std::size_t total = interleavedStereo.size() / 2;
    for (std::size_t done = 0; done < total;) {
        const int count = int(std::min<std::size_t>(std::size_t(codec->frame_size), total - done));
        av_frame_unref(frame.get());
        frame->nb_samples = count;
        frame->format = codec->sample_fmt;
        frame->sample_rate = sampleRate;
        check(av_channel_layout_copy(&frame->ch_layout, &codec->ch_layout), "channel layout");
        check(av_frame_get_buffer(frame.get(), 0), "frame buffer");
        auto *left = reinterpret_cast<float *>(frame->data[0]);
        auto *right = reinterpret_cast<float *>(frame->data[1]);
        for (int i = 0; i < count; ++i) {
            left[i] = interleavedStereo[2 * (done + std::size_t(i))];
            right[i] = interleavedStereo[2 * (done + std::size_t(i)) + 1];
        }
        frame->pts = qint64(done);
        check(avcodec_send_frame(codec.get(), frame.get()), "encoding");
        drain(codec.get(), format.get(), stream, packet.get());
        done += std::size_t(count);
    }
    check(avcodec_send_frame(codec.get(), nullptr), "flushing");
    drain(codec.get(), format.get(), stream, packet.get());
    check(av_write_trailer(format.get()), "writing the trailer");
}

} // namespace velumo::samples
