#pragma once

#include <QImage>
#include <QString>

#include <functional>

namespace velumo {

// Handles of the conversion library: jobs, name lists and the sources handed to the source
// callbacks. Zero is never a valid handle.
using MclHandle = int;

// Kinds of name list lines.
inline constexpr int MclKindVideo = 8;
inline constexpr int MclKindAudio = 16;

// Disc presets of MclSetFormatPreset.
inline constexpr int MclPresetVcd = 0;
inline constexpr int MclPresetSvcd = 1;
inline constexpr int MclPresetDvd = 2;
inline constexpr int MclStandardPal = 0;
inline constexpr int MclStandardNtsc = 1;

// Audio codecs of MclAudioSetCodec: MP2 wherever the output carries sound, or the output's
// usual codec (MP2 on VCD and SVCD, AC-3 on DVD, MP3 in AVI), which is the default.
inline constexpr int MclAudioMp2 = 1;
inline constexpr int MclAudioUsual = 2;

// Status codes of the progress callback.
inline constexpr int MclStatusElapsed = 0;
inline constexpr int MclStatusPreparing = 1;
inline constexpr int MclStatusReducingColors = 2;
inline constexpr int MclStatusFrame = 3;
inline constexpr int MclStatusMultiplexing = 4;

// Error codes of MclGetError and the error callback.
enum MclErrorCode : int {
    MclErrorNone = 0,
    MclErrorOutput = 1,        // the output cannot be created or written
    MclErrorEncoder = 2,       // an encoder or container is missing or refuses the settings
    MclErrorVideoSource = 3,   // a frame picture cannot be read
    MclErrorAudioSource = 4,   // a song cannot be opened
    MclErrorSettings = 5,      // the settings name no output this library writes
};

// Replies of the error callback. Cancel ends the conversion and removes the partial output;
// Ignore skips a source that cannot be read (a song is left out, a frame shows the frame before
// it). Failures of the output itself always end the conversion.
inline constexpr int MclReplyIgnore = 0;
inline constexpr int MclReplyCancel = 2;

// Callbacks; the library calls every one of them on the thread that runs MclConvert.
// A source callback answers with MclSourceSetFile or MclSourceFinished for `source`.
using MclSourceFunc = std::function<void(MclHandle source, int index)>;
// Called once per video frame after the frame has been read: `frameName` names what the source
// delivered (the file name given to MclSourceSetFile), `frame` counts frames from 0.
using MclVideoFunc = std::function<void(MclHandle job, const QString &frameName, qint64 frame)>;
// Called once per song after it has been opened, with the count of songs opened so far.
using MclAudioFunc = std::function<void(MclHandle job, int source, int opened)>;
using MclProgressFunc =
    std::function<void(MclHandle job, int status, qint64 frame, qint64 sample, int percent)>;
using MclErrorFunc = std::function<void(MclHandle job, int code, int *reply)>;

} // namespace velumo
