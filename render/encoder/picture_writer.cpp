#include "render/encoder/picture_writer.h"

#include "render/encoder/av_failure.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

// BMP and TGA as 24-bit pictures (no alpha channel to turn transparent), PCX as 24-bit planes,
// JPEG in full-range YUV as JFIF expects.
AVPixelFormat pixelFormatOf(PictureFormat format)
{
    switch (format) {
    case PictureFormat::Jpg:
        return AV_PIX_FMT_YUVJ420P;
    case PictureFormat::Bmp:
    case PictureFormat::Tga:
        return AV_PIX_FMT_BGR24;
    case PictureFormat::Pcx:
        return AV_PIX_FMT_RGB24;
    }
    return AV_PIX_FMT_BGR24;
}

} // namespace

PictureWriter::PictureWriter(const OutputPlan &plan)
    : m_plan(plan)
    , m_packet(av_packet_alloc())
{
}

PictureWriter::~PictureWriter()
{
    if (!m_finished) {
        for (const QString &name : std::as_const(m_written))
            QFile::remove(name);
    }
}

void PictureWriter::openEncoder(QSize size)
{
    const AVCodec *codec = avcodec_find_encoder_by_name(m_plan.videoCodec.toLatin1().constData());
    if (!codec)
        throw EncoderFailure(MclErrorEncoder, u"缺少编码器 %1，无法生成相册。"_s.arg(m_plan.videoCodec));
    m_encoder.reset(avcodec_alloc_context3(codec));
    AVCodecContext *c = m_encoder.get();
    c->width = size.width();
    c->height = size.height();
    c->time_base = AVRational{1, 25};
    c->pix_fmt = pixelFormatOf(m_plan.pictureFormat);
    c->thread_count = 1;
    if (m_plan.pictureFormat == PictureFormat::Jpg) {
        c->flags |= AV_CODEC_FLAG_QSCALE;
        c->global_quality = m_plan.jpegQuality * FF_QP2LAMBDA;
    }
    if (const int opened = avcodec_open2(c, codec, nullptr); opened < 0)
        throwEncoderFailure(m_plan.videoCodec, opened);
    m_encoderSize = size;
    m_converter.emplace(size, c->pix_fmt);
}

void PictureWriter::prepare(QSize)
{
    if (!QFileInfo(m_plan.pictureFolder).isDir())
        throwCannotCreate(pictureFileName(m_plan, m_plan.firstPictureNumber), AVERROR(ENOENT));
}

void PictureWriter::write(const QImage &frame, qint64 albumFrame)
{
    const QSize size = m_plan.frameSize.isEmpty() ? frame.size() : m_plan.frameSize;
    if (!m_encoder || size != m_encoderSize) {
        if (m_encoder) {
            avcodec_send_frame(m_encoder.get(), nullptr);
            receivePictures();
        }
        openEncoder(size);
    }
    AVFrame *picture = m_converter->convert(frame);
    picture->pts = albumFrame;
    picture->quality = m_encoder->global_quality;
    if (const int sent = avcodec_send_frame(m_encoder.get(), picture); sent < 0)
        throwEncoderFailure(m_plan.videoCodec, sent);
    receivePictures();
}

void PictureWriter::receivePictures()
{
    while (avcodec_receive_packet(m_encoder.get(), m_packet.get()) == 0) {
        writeFile(pictureFileName(m_plan, m_plan.firstPictureNumber + m_written.size()), m_packet.get());
        av_packet_unref(m_packet.get());
    }
}

void PictureWriter::writeFile(const QString &name, const AVPacket *packet)
{
    std::FILE *file = std::fopen(QFile::encodeName(name).constData(), "wb");
    if (!file)
        throwCannotCreate(name, AVERROR(errno));
    m_written.append(name);
    const size_t written = std::fwrite(packet->data, 1, size_t(packet->size), file);
    const int writeError = written == size_t(packet->size) ? 0 : errno;
    const int closeError = std::fclose(file) == 0 ? 0 : errno;
    if (writeError || closeError)
        throwCannotWrite(name, AVERROR(writeError ? writeError : closeError));
}

void PictureWriter::finish()
{
    if (m_encoder) {
        avcodec_send_frame(m_encoder.get(), nullptr);
        receivePictures();
    }
    m_finished = true;
}

} // namespace velumo
