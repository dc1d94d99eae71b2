#include "render/encoder/stream_writer.h"

#include "render/encoder/av_failure.h"
#include "render/encoder/frame_cadence.h"

#include <QFile>

#include <cstring>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

const AVCodec *encoderNamed(const QString &name)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(name.toLatin1().constData());
    if (!codec)
        throw EncoderFailure(MclErrorEncoder, u"缺少编码器 %1，无法生成相册。"_s.arg(name));
    return codec;
}

struct Dictionary
{
    AVDictionary *entries = nullptr;
    ~Dictionary() { av_dict_free(&entries); }
    void set(const char *key, qint64 value) { av_dict_set_int(&entries, key, value, 0); }
};

// The muxer sizes a disc stream's buffers from the encoder's CPB properties.
void copyCodedSideData(const AVCodecContext *encoder, AVStream *stream)
{
    for (int i = 0; i < encoder->nb_coded_side_data; ++i) {
        const AVPacketSideData &side = encoder->coded_side_data[i];
        uint8_t *copy = av_stream_new_side_data(stream, side.type, side.size);
        if (copy)
            std::memcpy(copy, side.data, side.size);
    }
}

} // namespace

AVSampleFormat soundFormatFor(const OutputPlan &plan)
{
    if (!plan.hasAudio)
        return AV_SAMPLE_FMT_NONE;
    const AVCodec *codec = encoderNamed(plan.audioCodec);
    return codec->sample_fmts ? codec->sample_fmts[0] : AV_SAMPLE_FMT_S16;
}

StreamWriter::StreamWriter(const OutputPlan &plan, std::vector<std::unique_ptr<SongInput>> songs)
    : m_plan(plan)
    , m_pendingSongs(std::move(songs))
    , m_packet(av_packet_alloc())
{
}

StreamWriter::~StreamWriter()
{
    close();
    if (!m_finished && m_fileOpen)
        QFile::remove(m_plan.path);
}

void StreamWriter::close()
{
    m_converter.reset();
    if (m_output) {
        if (m_fileOpen)
            avio_closep(&m_output->pb);
        avformat_free_context(m_output);
        m_output = nullptr;
    }
}

void StreamWriter::open(QSize frameSize)
{
    const int made = avformat_alloc_output_context2(&m_output, nullptr, m_plan.muxer.toLatin1().constData(),
                                                    m_plan.path.toUtf8().constData());
    if (made < 0 || !m_output)
        throw EncoderFailure(MclErrorEncoder, u"缺少 %1 格式的写入程序，无法生成相册。"_s.arg(m_plan.muxer));
    openVideo(frameSize);
    openAudio();
    openFile();
}

void StreamWriter::openVideo(QSize frameSize)
{
    const AVCodec *codec = encoderNamed(m_plan.videoCodec);
    m_video.reset(avcodec_alloc_context3(codec));
    AVCodecContext *c = m_video.get();
    c->width = frameSize.width();
    c->height = frameSize.height();
    c->time_base = AVRational{m_plan.fpsDen, m_plan.fpsNum};
    c->framerate = AVRational{m_plan.fpsNum, m_plan.fpsDen};
    c->pix_fmt = AV_PIX_FMT_YUV420P;
    c->gop_size = m_plan.gop;
    c->max_b_frames = 0;
    c->sample_aspect_ratio = AVRational{1, 1};
    // Encoding overlaps with rendering on the other core; codec threads gain nothing here.
    c->thread_count = 1;
    c->bit_rate = qint64(m_plan.rates.averageKbps) * 1000;
    c->rc_max_rate = qint64(m_plan.rates.peakKbps) * 1000;
    c->rc_min_rate = qint64(m_plan.rates.floorKbps) * 1000;
    c->rc_buffer_size = m_plan.rates.bufferBits;
    if (m_plan.kind == OutputKind::Avi)
        c->codec_tag = MKTAG('X', 'V', 'I', 'D');
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    Dictionary options;
    if (m_plan.kind == OutputKind::Svcd)
        options.set("scan_offset", 1);
    if (const int opened = avcodec_open2(c, codec, &options.entries); opened < 0)
        throwEncoderFailure(m_plan.videoCodec, opened);

    m_videoStream = avformat_new_stream(m_output, nullptr);
    avcodec_parameters_from_context(m_videoStream->codecpar, c);
    m_videoStream->time_base = c->time_base;
    m_videoStream->avg_frame_rate = c->framerate;
    m_videoStream->sample_aspect_ratio = c->sample_aspect_ratio;
    copyCodedSideData(c, m_videoStream);
    m_converter.emplace(frameSize, c->pix_fmt);
}

void StreamWriter::openAudio()
{
    const AVCodec *codec = encoderNamed(m_plan.audioCodec);
    m_audio.reset(avcodec_alloc_context3(codec));
    AVCodecContext *c = m_audio.get();
    c->sample_fmt = soundFormatFor(m_plan);
    c->ch_layout = AV_CHANNEL_LAYOUT_STEREO;
    c->sample_rate = m_plan.sampleRate;
    c->bit_rate = qint64(m_plan.audioKbps) * 1000;
    c->time_base = AVRational{1, m_plan.sampleRate};
    if (m_output->oformat->flags & AVFMT_GLOBALHEADER)
        c->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    if (const int opened = avcodec_open2(c, codec, nullptr); opened < 0)
        throwEncoderFailure(m_plan.audioCodec, opened);

    m_audioStream = avformat_new_stream(m_output, nullptr);
    avcodec_parameters_from_context(m_audioStream->codecpar, c);
    m_audioStream->time_base = c->time_base;

    m_audioFrame.reset(av_frame_alloc());
    m_audioFrame->nb_samples = c->frame_size;
    m_audioFrame->format = c->sample_fmt;
    av_channel_layout_copy(&m_audioFrame->ch_layout, &c->ch_layout);
    m_audioFrame->sample_rate = c->sample_rate;
    if (av_frame_get_buffer(m_audioFrame.get(), 0) < 0)
        throw EncoderFailure(MclErrorEncoder, u"内存不足，无法准备声音。"_s);
    m_track.emplace(std::move(m_pendingSongs), c->sample_fmt, c->frame_size);
}

void StreamWriter::openFile()
{
    if (!(m_output->oformat->flags & AVFMT_NOFILE)) {
        if (const int opened = avio_open(&m_output->pb, m_plan.path.toUtf8().constData(), AVIO_FLAG_WRITE);
            opened < 0)
            throwCannotCreate(m_plan.path, opened);
        m_fileOpen = true;
    }
    Dictionary options;
    if (m_plan.packetSize > 0)
        options.set("packetsize", m_plan.packetSize);
    if (m_plan.muxRate > 0)
        options.set("muxrate", m_plan.muxRate);
    if (m_plan.preloadMicroseconds >= 0)
        options.set("preload", m_plan.preloadMicroseconds);
    if (const int written = avformat_write_header(m_output, &options.entries); written < 0)
        throwCannotWrite(m_plan.path, written);
}

void StreamWriter::prepare(QSize firstFrameSize)
{
    if (!m_plan.frameSize.isEmpty())
        open(m_plan.frameSize);
    else
        open(firstFrameSize.isEmpty() ? QSize(352, 288) : firstFrameSize);
}

void StreamWriter::write(const QImage &frame, qint64 albumFrame)
{
    AVFrame *picture = m_converter->convert(frame);
    const FrameSpan span = outputFramesOf(albumFrame, m_plan.repeatForNtsc);
    for (qint64 n = span.first; n < span.end; ++n) {
        // Sound up to the end of this frame first keeps the muxer's queue short.
        encodeAudioUntil(av_rescale(n + 1, qint64(m_plan.fpsDen) * m_plan.sampleRate, m_plan.fpsNum));
        picture->pts = n;
        encodeVideo(picture);
        m_nextVideoPts = n + 1;
    }
}

void StreamWriter::encodeVideo(AVFrame *frame)
{
    if (const int sent = avcodec_send_frame(m_video.get(), frame); sent < 0 && sent != AVERROR_EOF)
        throwEncoderFailure(m_plan.videoCodec, sent);
    drain(m_video.get(), m_videoStream);
}

void StreamWriter::encodeAudioUntil(qint64 samples)
{
    while (m_samplesWritten.load() < samples)
        encodeAudioFrame();
}

void StreamWriter::encodeAudioFrame()
{
    AVFrame *frame = m_audioFrame.get();
    if (av_frame_make_writable(frame) < 0)
        throw EncoderFailure(MclErrorEncoder, u"内存不足，无法准备声音。"_s);
    m_track->fill(frame);
    frame->pts = m_samplesWritten.load();
    if (const int sent = avcodec_send_frame(m_audio.get(), frame); sent < 0)
        throwEncoderFailure(m_plan.audioCodec, sent);
    m_samplesWritten += frame->nb_samples;
    drain(m_audio.get(), m_audioStream);
}

void StreamWriter::drain(AVCodecContext *encoder, AVStream *stream)
{
    while (true) {
        const int received = avcodec_receive_packet(encoder, m_packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return;
        if (received < 0)
            throwEncoderFailure(QString::fromLatin1(encoder->codec->name), received);
        av_packet_rescale_ts(m_packet.get(), encoder->time_base, stream->time_base);
        m_packet->stream_index = stream->index;
        const int written = av_interleaved_write_frame(m_output, m_packet.get());
        if (written < 0)
            throwCannotWrite(m_plan.path, written);
        if (m_output->pb && m_output->pb->error < 0)
            throwCannotWrite(m_plan.path, m_output->pb->error);
    }
}

void StreamWriter::finish()
{
    avcodec_send_frame(m_video.get(), nullptr);
    drain(m_video.get(), m_videoStream);

    encodeAudioUntil(av_rescale(m_nextVideoPts, qint64(m_plan.fpsDen) * m_plan.sampleRate, m_plan.fpsNum));
    if (!m_plan.truncateAudio) {
        while (!m_track->songsUsedUp())
            encodeAudioFrame();
    }
    avcodec_send_frame(m_audio.get(), nullptr);
    drain(m_audio.get(), m_audioStream);

    if (const int written = av_write_trailer(m_output); written < 0)
        throwCannotWrite(m_plan.path, written);
    if (m_fileOpen) {
        avio_flush(m_output->pb);
        if (m_output->pb->error < 0)
            throwCannotWrite(m_plan.path, m_output->pb->error);
        if (const int closed = avio_closep(&m_output->pb); closed < 0)
            throwCannotWrite(m_plan.path, closed);
    }
    m_finished = true;
    close();
}

} // namespace velumo
