#include "render/frame_recycler.h"

#include "app/base/failure.h"

#include <atomic>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

FrameRecycler::FrameRecycler(QSize size, QImage::Format format)
    : m_size(size)
    , m_format(format)
{
}

QImage FrameRecycler::make(const std::function<void(QImage &)> &paint)
{
    // Painting happens while this object holds the only reference, so nothing detaches.
    QImage &buffer = freeBuffer();
    paint(buffer);
    return buffer;
}

QImage &FrameRecycler::freeBuffer()
{
    for (QImage &frame : m_frames) {
        if (frame.isDetached()) {
            // The last other holder (the encoder thread) dropped its reference after reading
            // the pixels; order the coming writes after those reads.
            std::atomic_thread_fence(std::memory_order_acquire);
            return frame;
        }
    }
    QImage fresh(m_size, m_format);
    if (fresh.isNull())
        throw Failure(u"内存不足，无法准备 %1 × %2 的画面。"_s.arg(m_size.width()).arg(m_size.height()));
    if (m_frames.size() < kMaxKept) {
        m_frames.push_back(std::move(fresh));
        return m_frames.back();
    }
    // Every buffer is still held: forget the one kept longest (its holder keeps it alive), so a
    // caller that keeps some frames for good does not leave the ring without free buffers.
    QImage &replaced = m_frames[m_nextReplaced];
    m_nextReplaced = (m_nextReplaced + 1) % kMaxKept;
    replaced = std::move(fresh);
    return replaced;
}

} // namespace velumo
