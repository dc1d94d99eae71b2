#pragma once

#include "render/encoder/mcl_library.h"

#include <QStringList>

#include <map>

namespace velumo::test {

// A conversion library that only records the calls made to it, as "MclName(arg, …)", for
// the tests of the order and arguments of the render window's calls. Its conversion asks the
// video sources in order, calling the video function after each, then reports the progress
// and error that the test asks for.
class RecordingMcl final : public MclLibrary
{
public:
    QStringList calls;
    int errorCode = 0;           // reported during the conversion when not 0
    int progressPercent = -1;    // a multiplexing report when not -1
    int replyGiven = -1;         // what the error callback answered

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
    void record(const QString &call) { calls.append(call); }

    MclSourceFunc m_videoSource;
    MclVideoFunc m_videoFunc;
    MclProgressFunc m_progress;
    MclErrorFunc m_error;
    std::map<MclHandle, QStringList> m_lists;
    MclHandle m_lastList = 100;
    bool m_converted = false;
};

} // namespace velumo::test
