#include "players/audio/pcm_stream.h"

#include <cstring>

namespace velumo {

PcmStream::PcmStream(const QString &path, qint64 startMs)
    : m_decoder(path)
{
    if (startMs > 0)
        m_decoder.seek(startMs);
    open(QIODevice::ReadOnly);
}

qint64 PcmStream::bytesAvailable() const
{
    return m_buffer.size() + QIODevice::bytesAvailable();
}

qint64 PcmStream::readData(char *data, qint64 maxSize)
{
    while (m_buffer.size() < maxSize && !m_finished) {
        if (m_decoder.decodeFrame())
            m_decoder.appendPcm(m_buffer);
        else
            m_finished = true;
    }
    const qint64 count = qMin<qint64>(maxSize, m_buffer.size());
    std::memcpy(data, m_buffer.constData(), size_t(count));
    m_buffer.remove(0, count);
    return count;
}

} // namespace velumo
