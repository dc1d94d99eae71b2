#pragma once

#include "render/encoder/conversion_job.h"

#include <functional>

namespace velumo {

// Reports an error: records it as the thread's last error, asks the job's error callback and
// returns its reply (MclReplyCancel when there is no callback or it leaves the reply alone).
using ErrorReporter = std::function<int(MclErrorCode code, const QString &text)>;

// The conversion of one job, on the calling thread with encoding on a second one: the songs
// are asked for and opened, then frame after frame is asked for, read, handed to the encoder
// and announced through the video callback. Returns when the output is complete, the job was
// aborted (nothing is left behind) or an error ended it (reported, nothing left behind).
void runConversion(MclHandle handle, ConversionJob &job, const ErrorReporter &reportError);

} // namespace velumo
