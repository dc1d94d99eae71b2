#include "render/encoder/song_input.h"

#include "render/encoder/encoder_failure.h"

extern "C" {
#include <libavutil/opt.h>
}

#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

[[noreturn]] void cannotRead(const QString &path)
{
    throw EncoderFailure(MclErrorAudioSource, u"无法读取音乐文件“%1”。"_s.arg(path));
}

InputFormatPtr openInput(const QString &path)
{
    AVFormatContext *raw = nullptr;
    if (avformat_open_input(&raw, path.toUtf8().constData(), nullptr, nullptr) < 0)
        return nullptr;
    InputFormatPtr input(raw);
    if (avformat_find_stream_info(raw, nullptr) < 0)
        return nullptr;
    return input;
}

} // namespace

SongInput::SongInput(const QString &path, int sampleRate, AVSampleFormat format)
    : m_path(path)
    , m_sampleRate(sampleRate)
    , m_format(format)
    , m_packet(av_packet_alloc())
    , m_frame(av_frame_alloc())
{
    m_input = openInput(path);
    if (!m_input)
        cannotRead(path);
    // Tagged MP3s carry their cover as a video stream; the best audio stream skips it.
    const AVCodec *codec = nullptr;
    m_stream = av_find_best_stream(m_input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, &codec, 0);
    if (m_stream < 0 || !codec)
        cannotRead(path);
    m_decoder.reset(avcodec_alloc_context3(codec));
    AVStream *stream = m_input->streams[m_stream];
    if (avcodec_parameters_to_context(m_decoder.get(), stream->codecpar) < 0)
        cannotRead(path);
    m_decoder->pkt_timebase = stream->time_base;
    if (avcodec_open2(m_decoder.get(), codec, nullptr) < 0)
        cannotRead(path);
}

bool SongInput::decodeMore(AVAudioFifo *fifo)
{
    if (m_ended)
        return false;
    while (true) {
        const int received = avcodec_receive_frame(m_decoder.get(), m_frame.get());
        if (received == 0) {
            resampleInto(fifo, m_frame.get());
            av_frame_unref(m_frame.get());
            return true;
        }
        if (received == AVERROR_EOF) {
            if (m_resampler)
                resampleInto(fifo, nullptr); // the resampler's tail
            m_ended = true;
            return false;
        }
        if (received != AVERROR(EAGAIN)) {
            // A decoder that fails for good ends the song where it failed.
            m_ended = true;
            return false;
        }
        if (m_inputEnded) {
            avcodec_send_packet(m_decoder.get(), nullptr);
            continue;
        }
        const int read = av_read_frame(m_input.get(), m_packet.get());
        if (read < 0) {
            m_inputEnded = true;
            avcodec_send_packet(m_decoder.get(), nullptr);
            continue;
        }
        if (m_packet->stream_index == m_stream)
            avcodec_send_packet(m_decoder.get(), m_packet.get()); // a damaged packet is skipped
        av_packet_unref(m_packet.get());
    }
}

void SongInput::openResampler(const AVFrame *frame)
{
    AVChannelLayout inLayout;
    if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC || frame->ch_layout.nb_channels == 0)
        av_channel_layout_default(&inLayout, frame->ch_layout.nb_channels > 0 ? frame->ch_layout.nb_channels : 2);
    else
        av_channel_layout_copy(&inLayout, &frame->ch_layout);
    AVChannelLayout stereo = AV_CHANNEL_LAYOUT_STEREO;
    SwrContext *raw = nullptr;
    const int made = swr_alloc_set_opts2(&raw, &stereo, m_format, m_sampleRate, &inLayout,
                                         AVSampleFormat(frame->format), frame->sample_rate, 0, nullptr);
    av_channel_layout_uninit(&inLayout);
    m_resampler.reset(raw);
    if (made < 0 || swr_init(raw) < 0)
        cannotRead(m_path);
}

void SongInput::resampleInto(AVAudioFifo *fifo, const AVFrame *frame)
{
    if (frame && !m_resampler)
        openResampler(frame);
    const int inSamples = frame ? frame->nb_samples : 0;
    const int capacity = swr_get_out_samples(m_resampler.get(), inSamples);
    if (capacity <= 0)
        return;
    uint8_t **out = nullptr;
    if (av_samples_alloc_array_and_samples(&out, nullptr, 2, capacity, m_format, 0) < 0)
        return;
    const int made = swr_convert(m_resampler.get(), out, capacity,
                                 frame ? const_cast<const uint8_t **>(frame->extended_data) : nullptr, inSamples);
    if (made > 0)
        av_audio_fifo_write(fifo, reinterpret_cast<void **>(out), made);
    av_freep(&out[0]);
    av_freep(&out);
}

qint64 probeSongSamples(const QString &path)
{
    const InputFormatPtr input = openInput(path);
    if (!input)
        return 0;
    const int index = av_find_best_stream(input.get(), AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (index < 0)
        return 0;
    const AVStream *stream = input->streams[index];
    const int rate = stream->codecpar->sample_rate;
    if (stream->duration != AV_NOPTS_VALUE)
        return av_rescale_q(stream->duration, stream->time_base, AVRational{1, rate});
    if (input->duration != AV_NOPTS_VALUE)
        return av_rescale(input->duration, rate, AV_TIME_BASE);
    return 0;
}

} // namespace velumo
