#include "tests/encoder/recording_mcl.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {

namespace {
constexpr MclHandle kJob = 7;
constexpr MclHandle kSource = 9;
} // namespace

MclHandle RecordingMcl::MclCreate()
{
    record(u"MclCreate()"_s);
    return kJob;
}

void RecordingMcl::MclFree(MclHandle job)
{
    record(u"MclFree(%1)"_s.arg(job));
}

void RecordingMcl::MclAssignVideoSource(MclHandle, MclSourceFunc callback)
{
    record(u"MclAssignVideoSource"_s);
    m_videoSource = std::move(callback);
}

void RecordingMcl::MclAssignVideoFunc(MclHandle, MclVideoFunc callback)
{
    record(u"MclAssignVideoFunc"_s);
    m_videoFunc = std::move(callback);
}

void RecordingMcl::MclAssignAudioSource(MclHandle, MclSourceFunc)
{
    record(u"MclAssignAudioSource"_s);
}

void RecordingMcl::MclAssignAudioFunc(MclHandle, MclAudioFunc)
{
    record(u"MclAssignAudioFunc"_s);
}

void RecordingMcl::MclAssignProgress(MclHandle, MclProgressFunc callback)
{
    record(u"MclAssignProgress"_s);
    m_progress = std::move(callback);
}

void RecordingMcl::MclAssignError(MclHandle, MclErrorFunc callback)
{
    record(u"MclAssignError"_s);
    m_error = std::move(callback);
}

MclHandle RecordingMcl::MclListCreate()
{
    record(u"MclListCreate()"_s);
    m_lists[++m_lastList] = {};
    return m_lastList;
}

void RecordingMcl::MclListAdd(MclHandle list, const QString &name, int kind, int start, int length)
{
    record(u"MclListAdd(%1, %2, %3, %4, %5)"_s.arg(list).arg(name).arg(kind).arg(start).arg(length));
    m_lists[list].append(name);
}

qint64 RecordingMcl::MclListGetFrameCount(MclHandle list)
{
    record(u"MclListGetFrameCount(%1)"_s.arg(list));
    return m_lists[list].size();
}

qint64 RecordingMcl::MclListGetSampleCount(MclHandle list)
{
    record(u"MclListGetSampleCount(%1)"_s.arg(list));
    return m_lists[list].size() * 44100;
}

bool RecordingMcl::MclListGetName(MclHandle list, int index, QString *name)
{
    const QStringList &names = m_lists[list];
    if (index < 0 || index >= names.size())
        return false;
    *name = names.at(index);
    return true;
}

void RecordingMcl::MclListFree(MclHandle list)
{
    record(u"MclListFree(%1)"_s.arg(list));
}

void RecordingMcl::MclSetFormatPreset(MclHandle job, int format, int standard)
{
    record(u"MclSetFormatPreset(%1, %2, %3)"_s.arg(job).arg(format).arg(standard));
}

void RecordingMcl::MclVideoSetKeepDuration(MclHandle job, int flag)
{
    record(u"MclVideoSetKeepDuration(%1, %2)"_s.arg(job).arg(flag));
}

void RecordingMcl::MclAudioSetTruncateToVideo(MclHandle job, int flag)
{
    record(u"MclAudioSetTruncateToVideo(%1, %2)"_s.arg(job).arg(flag));
}

void RecordingMcl::MclVideoSetFormat(MclHandle job, int width, int height, int bitsPerPixel)
{
    record(u"MclVideoSetFormat(%1, %2, %3, %4)"_s.arg(job).arg(width).arg(height).arg(bitsPerPixel));
}

void RecordingMcl::MclVideoSetBitRate(MclHandle job, int peakKbps, int floorKbps, int targetKbps)
{
    record(u"MclVideoSetBitRate(%1, %2, %3, %4)"_s.arg(job).arg(peakKbps).arg(floorKbps).arg(targetKbps));
}

void RecordingMcl::MclAudioSetCodec(MclHandle job, int codec)
{
    record(u"MclAudioSetCodec(%1, %2)"_s.arg(job).arg(codec));
}

void RecordingMcl::MclVideoSetFileName(MclHandle job, const QString &path)
{
    record(u"MclVideoSetFileName(%1, %2)"_s.arg(job).arg(path));
}

void RecordingMcl::MclAudioSetFileName(MclHandle job, const QString &path)
{
    record(u"MclAudioSetFileName(%1, %2)"_s.arg(job).arg(path));
}

void RecordingMcl::MclConvert(MclHandle job)
{
    record(u"MclConvert(%1)"_s.arg(job));
    m_converted = true;
    for (int index = 0;; ++index) {
        record(u"video source %1"_s.arg(index));
        m_videoSource(kSource, index);
        if (calls.last() == u"MclSourceFinished(9)"_s)
            break;
        m_videoFunc(job, u"frame"_s, index);
    }
    if (progressPercent >= 0)
        m_progress(job, MclStatusMultiplexing, 0, 0, progressPercent);
    if (errorCode != 0) {
        int reply = 0;
        m_error(job, errorCode, &reply);
        replyGiven = reply;
    }
}

void RecordingMcl::MclAbort(MclHandle job)
{
    record(u"MclAbort(%1)"_s.arg(job));
}

int RecordingMcl::MclGetError()
{
    record(u"MclGetError()"_s);
    return m_converted ? errorCode : 0;
}

QString RecordingMcl::MclGetErrorStr()
{
    return u"error %1"_s.arg(errorCode);
}

void RecordingMcl::MclSourceSetFile(MclHandle source, const QString &name)
{
    record(u"MclSourceSetFile(%1, %2)"_s.arg(source).arg(name));
}

void RecordingMcl::MclSourceFinished(MclHandle source)
{
    record(u"MclSourceFinished(%1)"_s.arg(source));
}

void RecordingMcl::MclPutFrame(MclHandle, const QString &, const QImage &) {}

double RecordingMcl::MclGetElapsedTime(MclHandle)
{
    return 75.0;
}

double RecordingMcl::MclGetRemainingTime(MclHandle, qint64 totalFrames, qint64)
{
    return double(totalFrames);
}

QString RecordingMcl::MclMakeTimeStr(double seconds)
{
    return u"[%1 s]"_s.arg(seconds);
}

} // namespace velumo::test
