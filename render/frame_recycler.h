#pragma once

#include <QImage>
#include <QSize>

#include <functional>
#include <vector>

namespace velumo {

// Frame buffers for the album's frames, used again once the encoder has let go of them.
// A 1280 x 720 frame is 3.5 MB: allocating one per frame costs more in page faults than
// painting it, and the encoder gives each frame back within a few frames.
class FrameRecycler
{
public:
    explicit FrameRecycler(QSize size, QImage::Format format = QImage::Format_RGB32);

    // Lets `paint` draw a whole frame into a buffer nobody else holds (its pixels are left
    // over from an earlier frame) and returns it. The buffer is used again once every copy of
    // the returned image is gone; a frame somebody keeps for good costs one allocation.
    QImage make(const std::function<void(QImage &)> &paint);

    std::size_t keptCount() const { return m_frames.size(); }

private:
    static constexpr std::size_t kMaxKept = 6;

    QImage &freeBuffer();

    QSize m_size;
    QImage::Format m_format;
    std::vector<QImage> m_frames;
    std::size_t m_nextReplaced = 0;
};

} // namespace velumo
