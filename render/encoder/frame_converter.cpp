#include "render/encoder/frame_converter.h"

#include "render/encoder/encoder_failure.h"
#include "render/encoder/rgb_to_yuv420.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

// QImage's 32-bit formats lie in memory as B, G, R, A on little-endian machines; alpha is
// ignored, the album's frames are opaque.
AVPixelFormat sourceFormatOf(const QImage &picture)
{
    switch (picture.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return Q_BYTE_ORDER == Q_LITTLE_ENDIAN ? AV_PIX_FMT_BGRA : AV_PIX_FMT_ARGB;
    case QImage::Format_RGB888:
        return AV_PIX_FMT_RGB24;
    case QImage::Format_BGR888:
        return AV_PIX_FMT_BGR24;
    default:
        return AV_PIX_FMT_NONE;
    }
}

bool isFullRangeYuv(AVPixelFormat format)
{
    return format == AV_PIX_FMT_YUVJ420P || format == AV_PIX_FMT_YUVJ422P || format == AV_PIX_FMT_YUVJ444P;
}

} // namespace

FrameConverter::FrameConverter(QSize size, AVPixelFormat format)
    : m_size(size)
    , m_format(format)
{
    for (FramePtr &frame : m_ring) {
        frame.reset(av_frame_alloc());
        frame->width = size.width();
        frame->height = size.height();
        frame->format = format;
        if (av_frame_get_buffer(frame.get(), 0) < 0)
            throw EncoderFailure(MclErrorEncoder, u"内存不足，无法准备 %1 × %2 的画面。"_s.arg(size.width()).arg(size.height()));
    }
}

AVFrame *FrameConverter::writableFrame()
{
    for (FramePtr &frame : m_ring) {
        if (av_frame_is_writable(frame.get()))
            return frame.get();
    }
    // Every frame is still held by the encoder: give the first one a fresh buffer.
    AVFrame *frame = m_ring[0].get();
    av_frame_unref(frame);
    frame->width = m_size.width();
    frame->height = m_size.height();
    frame->format = m_format;
    if (av_frame_get_buffer(frame, 0) < 0)
        throw EncoderFailure(MclErrorEncoder, u"内存不足，无法准备画面。"_s);
    return frame;
}

AVFrame *FrameConverter::convert(const QImage &picture)
{
    QImage source = picture;
    AVPixelFormat sourceFormat = sourceFormatOf(source);
    if (source.size() == m_size && sourceFormat == AV_PIX_FMT_BGRA
        && (m_format == AV_PIX_FMT_YUV420P || m_format == AV_PIX_FMT_YUVJ420P)) {
        // Every album frame at the output size takes this way.
        AVFrame *frame = writableFrame();
        convertBgrxToYuv420(source.constBits(), int(source.bytesPerLine()), source.width(), source.height(),
                            isFullRangeYuv(m_format) ? YuvRange::Full : YuvRange::Limited, frame->data[0],
                            frame->linesize[0], frame->data[1], frame->linesize[1], frame->data[2],
                            frame->linesize[2]);
        return frame;
    }
    if (sourceFormat == AV_PIX_FMT_NONE) {
        source = picture.convertToFormat(QImage::Format_RGB32);
        sourceFormat = sourceFormatOf(source);
    }
    if (!m_scaler || source.size() != m_sourceSize || sourceFormat != m_sourceFormat) {
        const int flags = source.size() == m_size ? SWS_POINT : SWS_BICUBIC;
        m_scaler.reset(sws_getContext(source.width(), source.height(), sourceFormat, m_size.width(),
                                      m_size.height(), m_format, flags, nullptr, nullptr, nullptr));
        if (!m_scaler)
            throw EncoderFailure(MclErrorEncoder, u"无法转换 %1 × %2 的画面。"_s.arg(source.width()).arg(source.height()));
        int *inv = nullptr;
        int *table = nullptr;
        int srcRange = 0;
        int dstRange = 0;
        int brightness = 0;
        int contrast = 0;
        int saturation = 0;
        sws_getColorspaceDetails(m_scaler.get(), &inv, &srcRange, &table, &dstRange, &brightness, &contrast,
                                 &saturation);
        sws_setColorspaceDetails(m_scaler.get(), inv, 1, table, isFullRangeYuv(m_format) ? 1 : dstRange,
                                 brightness, contrast, saturation);
        m_sourceSize = source.size();
        m_sourceFormat = sourceFormat;
    }
    AVFrame *frame = writableFrame();
    const uint8_t *srcPlanes[4] = {source.constBits(), nullptr, nullptr, nullptr};
    const int srcStrides[4] = {int(source.bytesPerLine()), 0, 0, 0};
    sws_scale(m_scaler.get(), srcPlanes, srcStrides, 0, source.height(), frame->data, frame->linesize);
    return frame;
}

} // namespace velumo
