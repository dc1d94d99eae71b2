#include "media/photo/jpeg_structure.h"

#include <cstdint>
#include <cstring>

namespace velumo {
namespace {

constexpr std::uint8_t kMarkerStart = 0xFF;
constexpr std::uint8_t kSoi = 0xD8;
constexpr std::uint8_t kEoi = 0xD9;
constexpr std::uint8_t kSos = 0xDA;
constexpr std::uint8_t kTem = 0x01;

bool isRestart(std::uint8_t marker)
{
    return marker >= 0xD0 && marker <= 0xD7;
}

// SOF0..SOF15 except DHT (C4), JPG (C8) and DAC (CC).
bool isFrameHeader(std::uint8_t marker)
{
    return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

class SegmentWalker
{
public:
    explicit SegmentWalker(QByteArrayView data)
        : m_bytes(reinterpret_cast<const std::uint8_t *>(data.data()))
        , m_size(data.size())
    {
    }

    JpegStructure walk()
    {
        if (m_size < 2 || m_bytes[0] != kMarkerStart || m_bytes[1] != kSoi)
            return fail(JpegStructureProblem::NotJpeg);
        m_pos = 2;
        while (true) {
            if (!skipToMarker())
                return fail(JpegStructureProblem::Truncated);
            const std::uint8_t marker = m_bytes[m_pos++];
            if (marker == kEoi)
                return finish();
            if (marker == kSoi)
                return fail(JpegStructureProblem::NotJpeg);
            if (isRestart(marker) || marker == kTem)
                continue;
            if (m_pos + 2 > m_size)
                return fail(JpegStructureProblem::Truncated);
            const qsizetype length = (qsizetype(m_bytes[m_pos]) << 8) | m_bytes[m_pos + 1];
            if (length < 2)
                return fail(JpegStructureProblem::NotJpeg);
            if (m_pos + length > m_size)
                return fail(JpegStructureProblem::Truncated);
            if (isFrameHeader(marker) && m_result.frameSize.isEmpty() && !readFrameHeader(length))
                return fail(JpegStructureProblem::NoFrame);
            m_pos += length;
            if (marker == kSos) {
                if (m_result.frameSize.isEmpty())
                    return fail(JpegStructureProblem::NoFrame);
                if (!skipEntropyData())
                    return fail(JpegStructureProblem::Truncated);
            }
        }
    }

private:
    // Every scan codes every block of a full-resolution component with at least one bit, so
    // the coded data is at least one bit per 8 x 8 block of the frame.
    JpegStructure finish()
    {
        if (m_result.frameSize.isEmpty())
            return fail(JpegStructureProblem::NoFrame);
        const qint64 blocks = (qint64(m_result.frameSize.width()) + 7) / 8 * ((qint64(m_result.frameSize.height()) + 7) / 8);
        if (m_entropyBytes * 8 < blocks)
            m_result.problem = JpegStructureProblem::TooLittleData;
        return m_result;
    }

    JpegStructure fail(JpegStructureProblem problem)
    {
        JpegStructure result;
        result.problem = problem;
        return result;
    }

    // Markers may be preceded by any number of fill bytes 0xFF. Leaves m_pos on the marker code.
    bool skipToMarker()
    {
        if (m_pos >= m_size || m_bytes[m_pos] != kMarkerStart)
            return false;
        while (m_pos < m_size && m_bytes[m_pos] == kMarkerStart)
            ++m_pos;
        return m_pos < m_size;
    }

    bool readFrameHeader(qsizetype length)
    {
        // length(2) precision(1) height(2) width(2) components(1)
        if (length < 8)
            return false;
        const std::uint8_t *p = m_bytes + m_pos + 2;
        const int height = (p[1] << 8) | p[2];
        const int width = (p[3] << 8) | p[4];
        if (width == 0 || height == 0)
            return false;
        m_result.frameSize = QSize(width, height);
        m_result.components = p[5];
        return true;
    }

    // Entropy-coded data ends at the first marker that is neither a stuffed zero nor a restart
    // marker. Leaves m_pos on that marker's 0xFF.
    bool skipEntropyData()
    {
        const qsizetype start = m_pos;
        const bool found = findScanEnd();
        m_entropyBytes += m_pos - start;
        return found;
    }

    bool findScanEnd()
    {
        while (m_pos < m_size) {
            const void *found = std::memchr(m_bytes + m_pos, kMarkerStart, size_t(m_size - m_pos));
            if (!found)
                return false;
            m_pos = static_cast<const std::uint8_t *>(found) - m_bytes;
            if (m_pos + 1 >= m_size)
                return false;
            const std::uint8_t next = m_bytes[m_pos + 1];
            if (next == 0x00 || isRestart(next) || next == kMarkerStart) {
                m_pos += next == kMarkerStart ? 1 : 2;
                continue;
            }
            return true;
        }
        return false;
    }

    const std::uint8_t *m_bytes;
    qsizetype m_size;
    qsizetype m_pos = 0;
    qint64 m_entropyBytes = 0;
    JpegStructure m_result;
};

} // namespace

JpegStructure inspectJpegStructure(QByteArrayView data)
{
    return SegmentWalker(data).walk();
}

} // namespace velumo
