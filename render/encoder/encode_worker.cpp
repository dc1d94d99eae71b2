#include "render/encoder/encode_worker.h"

namespace velumo {

namespace {
constexpr size_t kQueueLength = 2;
}

EncodeWorker::EncodeWorker(std::unique_ptr<FrameWriter> writer)
    : m_writer(std::move(writer))
    , m_thread([this] { run(); })
{
}

EncodeWorker::~EncodeWorker()
{
    {
        std::lock_guard lock(m_mutex);
        m_abandon = true;
        m_closing = true;
    }
    m_changed.notify_all();
    if (m_thread.joinable())
        m_thread.join();
    m_writer.reset();
}

bool EncodeWorker::push(const QImage &frame, qint64 albumFrame)
{
    std::unique_lock lock(m_mutex);
    m_changed.wait(lock, [this] { return m_queue.size() < kQueueLength || m_failure; });
    if (m_failure)
        return false;
    m_queue.push_back({frame, albumFrame});
    m_changed.notify_all();
    return true;
}

void EncodeWorker::finish()
{
    {
        std::lock_guard lock(m_mutex);
        m_closing = true;
    }
    m_changed.notify_all();
    m_thread.join();
    std::lock_guard lock(m_mutex);
    if (m_failure)
        throw *m_failure;
}

std::optional<EncoderFailure> EncodeWorker::failure() const
{
    std::lock_guard lock(m_mutex);
    return m_failure;
}

void EncodeWorker::run()
{
    try {
        while (true) {
            Item item;
            {
                std::unique_lock lock(m_mutex);
                m_changed.wait(lock, [this] { return !m_queue.empty() || m_closing; });
                if (m_abandon)
                    return;
                if (m_queue.empty())
                    break;
                item = std::move(m_queue.front());
                m_queue.pop_front();
            }
            m_changed.notify_all();
            m_writer->write(item.frame, item.albumFrame);
            ++m_framesWritten;
            m_samplesWritten = m_writer->samplesWritten();
        }
        m_writer->finish();
        m_samplesWritten = m_writer->samplesWritten();
    } catch (const EncoderFailure &failure) {
        std::lock_guard lock(m_mutex);
        m_failure = failure;
    } catch (const std::exception &error) {
        std::lock_guard lock(m_mutex);
        m_failure = EncoderFailure(MclErrorEncoder, QString::fromLocal8Bit(error.what()));
    }
    m_changed.notify_all();
}

} // namespace velumo
