#include "render/encoder/conversion_run.h"

#include "render/encoder/encode_worker.h"
#include "render/encoder/output_plan.h"
#include "render/encoder/song_input.h"
#include "render/encoder/stream_writer.h"

#include <QImageReader>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

// Thrown once an error has been reported and the reply asked to cancel.
struct Cancelled
{
};

constexpr int kFramesPerProgressLine = 25;

bool askSource(const MclSourceFunc &callback, MclHandle handle, SourceSlot &slot, int index, QString *name)
{
    if (!callback)
        return false;
    slot = SourceSlot();
    callback(handle, index);
    if (slot.state != SourceSlot::State::File)
        return false;
    *name = slot.name;
    return true;
}

QImage readFrame(const ConversionJob &job, const QString &name)
{
    const auto stored = job.frames.constFind(name);
    if (stored != job.frames.constEnd())
        return *stored;
    QImageReader reader(name);
    reader.setAutoTransform(false);
    return reader.read();
}

std::vector<std::unique_ptr<SongInput>> openSongs(MclHandle handle, ConversionJob &job, const OutputPlan &plan,
                                                  const ErrorReporter &reportError)
{
    std::vector<std::unique_ptr<SongInput>> songs;
    if (!plan.hasAudio)
        return songs;
    const AVSampleFormat format = soundFormatFor(plan);
    QString name;
    for (int index = 0; askSource(job.audioSource, job.audioSlotHandle, job.audioSlot, index, &name); ++index) {
        try {
            songs.push_back(std::make_unique<SongInput>(name, plan.sampleRate, format));
        } catch (const EncoderFailure &failure) {
            if (reportError(failure.code(), failure.message()) != MclReplyIgnore)
                throw Cancelled();
        }
        if (job.audioFunc)
            job.audioFunc(handle, index, int(songs.size()));
    }
    return songs;
}

void reportFrameProgress(MclHandle handle, const ConversionJob &job, qint64 samples)
{
    if (job.progress && job.framesRead % kFramesPerProgressLine == 0)
        job.progress(handle, MclStatusFrame, job.framesRead, samples, 0);
}

QImage stillFrame(const QImage &previous, const OutputPlan &plan)
{
    if (!previous.isNull())
        return previous;
    QImage black(plan.frameSize.isEmpty() ? QSize(16, 16) : plan.frameSize, QImage::Format_RGB32);
    black.fill(Qt::black);
    return black;
}

void convert(MclHandle handle, ConversionJob &job, const ErrorReporter &reportError)
{
    if (job.progress)
        job.progress(handle, MclStatusPreparing, 0, 0, 0);
    const OutputPlan plan = makeOutputPlan(job.settings);
    std::unique_ptr<FrameWriter> writer = makeFrameWriter(plan, openSongs(handle, job, plan, reportError));
    // Started with the first frame, once the output has been created on this thread.
    std::optional<EncodeWorker> worker;

    QImage previous;
    QString name;
    for (qint64 index = 0; !job.abortRequested
                           && askSource(job.videoSource, job.videoSlotHandle, job.videoSlot, int(index), &name);
         ++index) {
        QImage frame = readFrame(job, name);
        if (frame.isNull()) {
            if (reportError(MclErrorVideoSource, u"无法读取画面文件“%1”。"_s.arg(name)) != MclReplyIgnore)
                throw Cancelled();
            frame = stillFrame(previous, plan);
        }
        previous = frame;
        if (!worker) {
            writer->prepare(frame.size());
            worker.emplace(std::move(writer));
        }
        if (!worker->push(frame, index))
            throw *worker->failure();
        job.framesRead = index + 1;
        if (job.videoFunc)
            job.videoFunc(handle, name, index);
        reportFrameProgress(handle, job, worker->samplesWritten());
    }
    if (job.abortRequested)
        return; // ending the worker or the writer unfinished removes what was written
    qint64 samples = 0;
    if (worker) {
        worker->finish();
        samples = worker->samplesWritten();
    } else {
        writer->prepare(QSize());
        writer->finish();
        samples = writer->samplesWritten();
    }
    if (job.progress) {
        job.progress(handle, MclStatusMultiplexing, job.framesRead, samples, 100);
        job.progress(handle, MclStatusElapsed, job.framesRead, samples, 100);
    }
}

} // namespace

void runConversion(MclHandle handle, ConversionJob &job, const ErrorReporter &reportError)
{
    if (job.abortRequested)
        return;
    job.running = true;
    job.clock.start();
    job.framesRead = 0;
    try {
        convert(handle, job, reportError);
    } catch (const EncoderFailure &failure) {
        reportError(failure.code(), failure.message());
    } catch (const Cancelled &) {
    }
    job.running = false;
}

} // namespace velumo
