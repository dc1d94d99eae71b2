#include "render/encoder/ffmpeg_mcl.h"

#include "render/encoder/conversion_run.h"
#include "render/encoder/time_text.h"

extern "C" {
#include <libavutil/log.h>
}

#include <QSize>

namespace velumo {

namespace {

struct LastError
{
    int code = MclErrorNone;
    QString text;
};

thread_local LastError lastError;

} // namespace

FfmpegMcl::FfmpegMcl()
{
    // Errors reach the user through the error callback; FFmpeg's own chatter stays out of the
    // program's output.
    av_log_set_level(AV_LOG_ERROR);
}

FfmpegMcl::~FfmpegMcl() = default;

MclHandle FfmpegMcl::newHandle()
{
    return ++m_lastHandle;
}

ConversionJob *FfmpegMcl::job(MclHandle handle)
{
    std::lock_guard lock(m_mutex);
    const auto found = m_jobs.find(handle);
    return found == m_jobs.end() ? nullptr : found->second.get();
}

NameList *FfmpegMcl::list(MclHandle handle)
{
    std::lock_guard lock(m_mutex);
    const auto found = m_lists.find(handle);
    return found == m_lists.end() ? nullptr : found->second.get();
}

SourceSlot *FfmpegMcl::slot(MclHandle handle)
{
    std::lock_guard lock(m_mutex);
    const auto found = m_slots.find(handle);
    return found == m_slots.end() ? nullptr : found->second;
}

MclHandle FfmpegMcl::MclCreate()
{
    std::lock_guard lock(m_mutex);
    auto created = std::make_unique<ConversionJob>();
    created->videoSlotHandle = newHandle();
    created->audioSlotHandle = newHandle();
    m_slots[created->videoSlotHandle] = &created->videoSlot;
    m_slots[created->audioSlotHandle] = &created->audioSlot;
    const MclHandle handle = newHandle();
    m_jobs[handle] = std::move(created);
    return handle;
}

void FfmpegMcl::MclFree(MclHandle handle)
{
    std::lock_guard lock(m_mutex);
    const auto found = m_jobs.find(handle);
    if (found == m_jobs.end())
        return;
    m_slots.erase(found->second->videoSlotHandle);
    m_slots.erase(found->second->audioSlotHandle);
    m_jobs.erase(found);
}

void FfmpegMcl::MclAssignVideoSource(MclHandle h, MclSourceFunc callback)
{
    if (ConversionJob *j = job(h))
        j->videoSource = std::move(callback);
}

void FfmpegMcl::MclAssignVideoFunc(MclHandle h, MclVideoFunc callback)
{
    if (ConversionJob *j = job(h))
        j->videoFunc = std::move(callback);
}

void FfmpegMcl::MclAssignAudioSource(MclHandle h, MclSourceFunc callback)
{
    if (ConversionJob *j = job(h))
        j->audioSource = std::move(callback);
}

void FfmpegMcl::MclAssignAudioFunc(MclHandle h, MclAudioFunc callback)
{
    if (ConversionJob *j = job(h))
        j->audioFunc = std::move(callback);
}

void FfmpegMcl::MclAssignProgress(MclHandle h, MclProgressFunc callback)
{
    if (ConversionJob *j = job(h))
        j->progress = std::move(callback);
}

void FfmpegMcl::MclAssignError(MclHandle h, MclErrorFunc callback)
{
    if (ConversionJob *j = job(h))
        j->error = std::move(callback);
}

MclHandle FfmpegMcl::MclListCreate()
{
    std::lock_guard lock(m_mutex);
    const MclHandle handle = newHandle();
    m_lists[handle] = std::make_unique<NameList>();
    return handle;
}

void FfmpegMcl::MclListAdd(MclHandle handle, const QString &name, int kind, int, int)
{
    if (NameList *l = list(handle))
        l->add(name, kind);
}

qint64 FfmpegMcl::MclListGetFrameCount(MclHandle handle)
{
    const NameList *l = list(handle);
    return l ? l->frameCount() : 0;
}

qint64 FfmpegMcl::MclListGetSampleCount(MclHandle handle)
{
    const NameList *l = list(handle);
    return l ? l->sampleCount() : 0;
}

bool FfmpegMcl::MclListGetName(MclHandle handle, int index, QString *name)
{
    const NameList *l = list(handle);
    return l && l->nameAt(index, name);
}

void FfmpegMcl::MclListFree(MclHandle handle)
{
    std::lock_guard lock(m_mutex);
    m_lists.erase(handle);
}

void FfmpegMcl::MclSetFormatPreset(MclHandle h, int format, int standard)
{
    if (ConversionJob *j = job(h)) {
        j->settings.preset = format;
        j->settings.standard = standard;
    }
}

void FfmpegMcl::MclVideoSetKeepDuration(MclHandle h, int flag)
{
    if (ConversionJob *j = job(h))
        j->settings.keepDuration = flag != 0;
}

void FfmpegMcl::MclAudioSetTruncateToVideo(MclHandle h, int flag)
{
    if (ConversionJob *j = job(h))
        j->settings.truncateAudio = flag != 0;
}

void FfmpegMcl::MclVideoSetFormat(MclHandle h, int width, int height, int)
{
    if (ConversionJob *j = job(h))
        j->settings.frameSize = QSize(width, height);
}

void FfmpegMcl::MclVideoSetBitRate(MclHandle h, int peakKbps, int floorKbps, int targetKbps)
{
    if (ConversionJob *j = job(h))
        j->settings.bitRate = BitRateRequest{peakKbps, floorKbps, targetKbps};
}

void FfmpegMcl::MclAudioSetCodec(MclHandle h, int codec)
{
    if (ConversionJob *j = job(h))
        j->settings.audioCodec = codec;
}

void FfmpegMcl::MclVideoSetFileName(MclHandle h, const QString &path)
{
    if (ConversionJob *j = job(h))
        j->settings.videoFile = path;
}

void FfmpegMcl::MclAudioSetFileName(MclHandle h, const QString &path)
{
    if (ConversionJob *j = job(h))
        j->settings.audioFile = path;
}

void FfmpegMcl::MclConvert(MclHandle h)
{
    lastError = LastError();
    ConversionJob *j = job(h);
    if (!j)
        return;
    runConversion(h, *j, [h, j](MclErrorCode code, const QString &text) {
        lastError = LastError{code, text};
        int reply = MclReplyCancel;
        if (j->error)
            j->error(h, code, &reply);
        return reply;
    });
}

void FfmpegMcl::MclAbort(MclHandle h)
{
    if (ConversionJob *j = job(h))
        j->abortRequested = true;
}

int FfmpegMcl::MclGetError()
{
    return lastError.code;
}

QString FfmpegMcl::MclGetErrorStr()
{
    return lastError.text;
}

void FfmpegMcl::MclSourceSetFile(MclHandle source, const QString &name)
{
    if (SourceSlot *s = slot(source)) {
        s->state = SourceSlot::State::File;
        s->name = name;
    }
}

void FfmpegMcl::MclSourceFinished(MclHandle source)
{
    if (SourceSlot *s = slot(source))
        s->state = SourceSlot::State::Finished;
}

void FfmpegMcl::MclPutFrame(MclHandle h, const QString &name, const QImage &image)
{
    if (ConversionJob *j = job(h))
        j->frames.insert(name, image);
}

double FfmpegMcl::MclGetElapsedTime(MclHandle h)
{
    const ConversionJob *j = job(h);
    return j && j->clock.isValid() ? double(j->clock.elapsed()) / 1000.0 : 0.0;
}

double FfmpegMcl::MclGetRemainingTime(MclHandle h, qint64 totalFrames, qint64)
{
    const ConversionJob *j = job(h);
    if (!j || j->framesRead <= 0 || !j->clock.isValid())
        return 0.0;
    const double perFrame = double(j->clock.elapsed()) / 1000.0 / double(j->framesRead);
    return perFrame * double(std::max<qint64>(0, totalFrames - j->framesRead));
}

QString FfmpegMcl::MclMakeTimeStr(double seconds)
{
    return conversionTimeText(seconds);
}

} // namespace velumo
