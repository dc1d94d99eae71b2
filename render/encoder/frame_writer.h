#pragma once

#include <QImage>
#include <QSize>

#include <memory>
#include <vector>

namespace velumo {

class SongInput;
struct OutputPlan;

// Writes the album's output from its frames. Any failure throws EncoderFailure. Unless finish() has succeeded, the destructor removes
// whatever was written, so a stopped or failed conversion leaves no album behind.
class FrameWriter
{
public:
    virtual ~FrameWriter() = default;

    // Creates the output, before the first frame, so that an output that cannot be written is
    // known at once; `firstFrameSize` is empty when the album has no frames.
    virtual void prepare(QSize firstFrameSize) = 0;
    // Album frame `albumFrame` (counted from 0 at 25 a second).
    virtual void write(const QImage &frame, qint64 albumFrame) = 0;
    // Completes the output after the last frame.
    virtual void finish() = 0;
    // Samples of sound written so far.
    virtual qint64 samplesWritten() const = 0;
};

std::unique_ptr<FrameWriter> makeFrameWriter(const OutputPlan &plan,
                                             std::vector<std::unique_ptr<SongInput>> songs);

} // namespace velumo
