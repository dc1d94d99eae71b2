#pragma once

#include "render/encoder/mcl_library.h"

#include <QString>

namespace velumo {

struct ProgressReport
{
    int status = 0;
    qint64 frame = 0;
    qint64 sample = 0;
    int percent = 0;
};

// The conversion log line of a progress report.
QString progressLine(MclLibrary &library, MclHandle job, const ProgressReport &report, qint64 totalFrames,
                     qint64 totalSamples);

} // namespace velumo
