#include "players/audio/song_decoder.h"

#include "app/base/failure.h"

#include <QFileInfo>

#include <map>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/mathematics.h>
#include <libswresample/swresample.h>
}

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QString notMp3(const QString &name)
{
    return u"“%1”不是MP3音乐文件，无法添加。"_s.arg(name);
}

QString damaged(const QString &name)
{
    return u"音乐文件“%1”已损坏或不完整，无法播放。"_s.arg(name);
}

} // namespace

struct SongDecoder::State
{
    QString name; // the file name, for messages
    AVFormatContext *format = nullptr;
    AVCodecContext *codec = nullptr;
    SwrContext *resampler = nullptr;
    AVPacket *packet = nullptr;
    AVFrame *frame = nullptr;
    int stream = -1;
    int outRate = 0;
    int outChannels = 0;
    qint64 declaredMs = -1;
    bool inputDone = false;
    bool haveFrame = false;

    ~State()
    {
        swr_free(&resampler);
        av_frame_free(&frame);
        av_packet_free(&packet);
        avcodec_free_context(&codec);
        avformat_close_input(&format);
    }

    // A resampler from the frame's layout, format and rate to interleaved 16-bit PCM at the
    // song's output rate; rebuilt when a frame differs from the one before.
    void prepareResampler()
    {
        const bool matches = resampler && frame->sample_rate == lastInRate && frame->format == lastInFormat
                             && av_channel_layout_compare(&frame->ch_layout, &lastInLayout) == 0;
        if (matches)
            return;
        swr_free(&resampler);
        AVChannelLayout outLayout;
        av_channel_layout_default(&outLayout, outChannels);
        AVChannelLayout inLayout;
        if (frame->ch_layout.order == AV_CHANNEL_ORDER_UNSPEC)
            av_channel_layout_default(&inLayout, frame->ch_layout.nb_channels);
        else
            av_channel_layout_copy(&inLayout, &frame->ch_layout);
        const int made = swr_alloc_set_opts2(&resampler, &outLayout, AV_SAMPLE_FMT_S16, outRate, &inLayout,
                                             AVSampleFormat(frame->format), frame->sample_rate, 0, nullptr);
        av_channel_layout_uninit(&outLayout);
        if (made < 0 || swr_init(resampler) < 0) {
            av_channel_layout_uninit(&inLayout);
            swr_free(&resampler);
            throw Failure(damaged(name));
        }
        av_channel_layout_uninit(&lastInLayout);
        lastInLayout = inLayout;
        lastInRate = frame->sample_rate;
        lastInFormat = frame->format;
    }

    AVChannelLayout lastInLayout{};
    int lastInRate = 0;
    int lastInFormat = -1;
};

SongDecoder::SongDecoder(const QString &path)
    : m_state(std::make_unique<State>())
{
    State &s = *m_state;
    const QFileInfo info(path);
    s.name = info.fileName();
    if (!info.isFile())
        throw Failure(u"找不到音乐文件“%1”。"_s.arg(path));
    if (info.size() == 0)
        throw Failure(u"音乐文件“%1”是空文件，无法添加。"_s.arg(s.name));

    // "file:" keeps a colon in the name from being read as a protocol.
    const QByteArray url = "file:" + info.absoluteFilePath().toUtf8();
    if (avformat_open_input(&s.format, url.constData(), nullptr, nullptr) < 0)
        throw Failure(notMp3(s.name));
    if (qstrcmp(s.format->iformat->name, "mp3") != 0)
        throw Failure(notMp3(s.name));
    if (avformat_find_stream_info(s.format, nullptr) < 0)
        throw Failure(damaged(s.name));
    s.stream = av_find_best_stream(s.format, AVMEDIA_TYPE_AUDIO, -1, -1, nullptr, 0);
    if (s.stream < 0)
        throw Failure(notMp3(s.name));
    AVStream *stream = s.format->streams[s.stream];
    if (stream->codecpar->codec_id != AV_CODEC_ID_MP3)
        throw Failure(notMp3(s.name));

    const AVCodec *decoder = avcodec_find_decoder(stream->codecpar->codec_id);
    s.codec = decoder ? avcodec_alloc_context3(decoder) : nullptr;
    if (!s.codec || avcodec_parameters_to_context(s.codec, stream->codecpar) < 0)
        throw Failure(damaged(s.name));
    s.codec->pkt_timebase = stream->time_base;
    if (avcodec_open2(s.codec, decoder, nullptr) < 0)
        throw Failure(damaged(s.name));
    s.packet = av_packet_alloc();
    s.frame = av_frame_alloc();
    if (!s.packet || !s.frame)
        throw std::bad_alloc();

    s.outRate = s.codec->sample_rate;
    s.outChannels = s.codec->ch_layout.nb_channels >= 2 ? 2 : 1;
    if (s.outRate <= 0)
        throw Failure(damaged(s.name));
    if (s.format->duration_estimation_method == AVFMT_DURATION_FROM_STREAM && stream->duration != AV_NOPTS_VALUE)
        s.declaredMs = av_rescale_q(stream->duration, stream->time_base, AVRational{1, 1000});
}

SongDecoder::~SongDecoder()
{
    av_channel_layout_uninit(&m_state->lastInLayout);
}

int SongDecoder::sampleRate() const
{
    return m_state->outRate;
}

int SongDecoder::channelCount() const
{
    return m_state->outChannels;
}

qint64 SongDecoder::declaredLengthMs() const
{
    return m_state->declaredMs;
}

bool SongDecoder::decodeFrame()
{
    State &s = *m_state;
    s.haveFrame = false;
    for (;;) {
        const int received = avcodec_receive_frame(s.codec, s.frame);
        if (received == 0) {
            if (s.frame->nb_samples > 0 && s.frame->sample_rate > 0) {
                s.haveFrame = true;
                return true;
            }
            continue;
        }
        if (received == AVERROR_EOF)
            return false;
        // EAGAIN, or a damaged frame: feed the next packet.
        if (s.inputDone)
            return false;
        if (av_read_frame(s.format, s.packet) < 0) {
            s.inputDone = true;
            avcodec_send_packet(s.codec, nullptr);
            continue;
        }
        if (s.packet->stream_index == s.stream)
            avcodec_send_packet(s.codec, s.packet); // a damaged packet is skipped
        av_packet_unref(s.packet);
    }
}

int SongDecoder::frameSamples() const
{
    return m_state->haveFrame ? m_state->frame->nb_samples : 0;
}

int SongDecoder::frameSampleRate() const
{
    return m_state->haveFrame ? m_state->frame->sample_rate : 0;
}

void SongDecoder::appendPcm(QByteArray &out)
{
    State &s = *m_state;
    if (!s.haveFrame)
        return;
    s.prepareResampler();
    const int capacity = swr_get_out_samples(s.resampler, s.frame->nb_samples);
    if (capacity <= 0)
        return;
    const qsizetype bytesPerSample = 2 * s.outChannels;
    const qsizetype start = out.size();
    out.resize(start + capacity * bytesPerSample);
    auto *target = reinterpret_cast<uint8_t *>(out.data() + start);
    const int converted = swr_convert(s.resampler, &target, capacity,
                                      const_cast<const uint8_t **>(s.frame->extended_data), s.frame->nb_samples);
    out.resize(start + qMax(converted, 0) * bytesPerSample);
}

void SongDecoder::seek(qint64 ms)
{
    State &s = *m_state;
    const AVStream *stream = s.format->streams[s.stream];
    const qint64 target = av_rescale_q(qMax<qint64>(ms, 0), AVRational{1, 1000}, stream->time_base);
    av_seek_frame(s.format, s.stream, target, AVSEEK_FLAG_BACKWARD);
    avcodec_flush_buffers(s.codec);
    swr_free(&s.resampler);
    s.inputDone = false;
    s.haveFrame = false;
}

qint64 measureSongMs(const QString &path)
{
    SongDecoder decoder(path);
    // Samples by rate: an MP3 may change its rate between frames.
    std::map<int, qint64> samplesByRate;
    double ms = 0;
    while (decoder.decodeFrame()) {
        const int rate = decoder.frameSampleRate();
        samplesByRate[rate] += decoder.frameSamples();
        ms = 0;
        for (const auto &[r, samples] : samplesByRate)
            ms += double(samples) * 1000.0 / r;
        if (ms > double(kMaxSongMs))
            throw Failure(u"音乐文件“%1”超过6小时，无法添加。"_s.arg(QFileInfo(path).fileName()));
    }
    const qint64 length = qint64(ms + 1e-6);
    if (length <= 0)
        throw Failure(damaged(QFileInfo(path).fileName()));
    // The header of a cut-off file still declares the whole song.
    const qint64 declared = decoder.declaredLengthMs();
    if (declared > 0 && length < declared - qMax<qint64>(1000, declared / 20))
        throw Failure(damaged(QFileInfo(path).fileName()));
    return length;
}

} // namespace velumo
