#include "render/conversion/progress_line.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QString progressLine(MclLibrary &library, MclHandle job, const ProgressReport &report, qint64 totalFrames,
                     qint64 totalSamples)
{
    switch (report.status) {
    case MclStatusElapsed:
        return u"Processing time: "_s + library.MclMakeTimeStr(library.MclGetElapsedTime(job));
    case MclStatusPreparing:
        return u"Preparing conversion..."_s;
    case MclStatusReducingColors:
        return u"Reducing colors, done frames: "_s + QString::number(report.frame);
    case MclStatusFrame:
        return u"Frame: "_s + QString::number(report.frame) + u", Sample: "_s + QString::number(report.sample)
             + u", Time Left: "_s
             + library.MclMakeTimeStr(library.MclGetRemainingTime(job, totalFrames, totalSamples));
    case MclStatusMultiplexing:
        return u"Multiplexing done: "_s + QString::number(report.percent) + u"%"_s;
    default:
        return u"Unrecognized status code"_s;
    }
}

} // namespace velumo
