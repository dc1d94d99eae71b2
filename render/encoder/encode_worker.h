#pragma once

#include "render/encoder/encoder_failure.h"
#include "render/encoder/frame_writer.h"

#include <QImage>

#include <atomic>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

namespace velumo {

// Runs a FrameWriter on its own thread so that encoding the album's frame n overlaps with
// composing frame n + 1. Frames pass through a short queue (QImage shares its pixels, so
// handing one over copies nothing). The writer's first failure stops the thread; the calling
// side sees it through failure().
class EncodeWorker
{
public:
    explicit EncodeWorker(std::unique_ptr<FrameWriter> writer);
    // Without a successful finish() the writer is destroyed unfinished: its output is removed.
    ~EncodeWorker();

    // Queues a frame; waits while the queue is full. False once the writer has failed.
    bool push(const QImage &frame, qint64 albumFrame);
    // Writes the queued frames and completes the output; throws the writer's failure.
    void finish();

    std::optional<EncoderFailure> failure() const;
    qint64 framesWritten() const { return m_framesWritten.load(); }
    qint64 samplesWritten() const { return m_samplesWritten.load(); }

private:
    struct Item
    {
        QImage frame;
        qint64 albumFrame = 0;
    };

    void run();

    std::unique_ptr<FrameWriter> m_writer;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Item> m_queue;
    bool m_closing = false;
    bool m_abandon = false;
    std::optional<EncoderFailure> m_failure;
    std::atomic<qint64> m_framesWritten = 0;
    std::atomic<qint64> m_samplesWritten = 0;
    std::thread m_thread;
};

} // namespace velumo
