#pragma once

#include "render/encoder/av_handles.h"

#include <QImage>
#include <QSize>

#include <array>

namespace velumo {

// Scales and converts album pictures into encoder frames of one size and pixel format, in one
// swscale pass. Keeps a small ring of frames so that a frame the encoder still holds is never
// overwritten and no buffer is allocated per picture.
class FrameConverter
{
public:
    FrameConverter(QSize size, AVPixelFormat format);

    // The picture brought to the frame size (stretched when its shape differs).
    AVFrame *convert(const QImage &picture);

private:
    AVFrame *writableFrame();

    QSize m_size;
    AVPixelFormat m_format;
    std::array<FramePtr, 3> m_ring;
    SwsPtr m_scaler;
    QSize m_sourceSize;
    AVPixelFormat m_sourceFormat = AV_PIX_FMT_NONE;
};

} // namespace velumo
