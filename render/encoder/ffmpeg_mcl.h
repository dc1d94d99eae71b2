#pragma once

#include "render/encoder/conversion_job.h"
#include "render/encoder/mcl_library.h"
#include "render/encoder/name_list.h"

#include <map>
#include <memory>
#include <mutex>

namespace velumo {

// The conversion library over FFmpeg (libavformat, libavcodec, libswscale, libswresample).
// Handles are valid from their create call to their free call; every call but MclAbort
// belongs on the thread that runs the job's conversion.
class FfmpegMcl final : public MclLibrary
{
public:
    FfmpegMcl();
    ~FfmpegMcl() override;

    MclHandle MclCreate() override;
    void MclFree(MclHandle job) override;

    void MclAssignVideoSource(MclHandle job, MclSourceFunc callback) override;
    void MclAssignVideoFunc(MclHandle job, MclVideoFunc callback) override;
    void MclAssignAudioSource(MclHandle job, MclSourceFunc callback) override;
    void MclAssignAudioFunc(MclHandle job, MclAudioFunc callback) override;
    void MclAssignProgress(MclHandle job, MclProgressFunc callback) override;
    void MclAssignError(MclHandle job, MclErrorFunc callback) override;

    MclHandle MclListCreate() override;
    void MclListAdd(MclHandle list, const QString &name, int kind, int start, int length) override;
    qint64 MclListGetFrameCount(MclHandle list) override;
    qint64 MclListGetSampleCount(MclHandle list) override;
    bool MclListGetName(MclHandle list, int index, QString *name) override;
    void MclListFree(MclHandle list) override;

    void MclSetFormatPreset(MclHandle job, int format, int standard) override;
    void MclVideoSetKeepDuration(MclHandle job, int flag) override;
    void MclAudioSetTruncateToVideo(MclHandle job, int flag) override;
    void MclVideoSetFormat(MclHandle job, int width, int height, int bitsPerPixel) override;
    void MclVideoSetBitRate(MclHandle job, int peakKbps, int floorKbps, int targetKbps) override;
    void MclAudioSetCodec(MclHandle job, int codec) override;
    void MclVideoSetFileName(MclHandle job, const QString &path) override;
    void MclAudioSetFileName(MclHandle job, const QString &path) override;

    void MclConvert(MclHandle job) override;
    void MclAbort(MclHandle job) override;
    int MclGetError() override;
    QString MclGetErrorStr() override;

    void MclSourceSetFile(MclHandle source, const QString &name) override;
    void MclSourceFinished(MclHandle source) override;
    void MclPutFrame(MclHandle job, const QString &name, const QImage &image) override;
    double MclGetElapsedTime(MclHandle job) override;
    double MclGetRemainingTime(MclHandle job, qint64 totalFrames, qint64 totalSamples) override;
    QString MclMakeTimeStr(double seconds) override;

private:
    ConversionJob *job(MclHandle handle);
    NameList *list(MclHandle handle);
    SourceSlot *slot(MclHandle handle);
    MclHandle newHandle();

    std::mutex m_mutex; // the maps, for MclAbort from another thread
    MclHandle m_lastHandle = 0;
    std::map<MclHandle, std::unique_ptr<ConversionJob>> m_jobs;
    std::map<MclHandle, std::unique_ptr<NameList>> m_lists;
    std::map<MclHandle, SourceSlot *> m_slots;
};

} // namespace velumo
