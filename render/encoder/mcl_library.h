#pragma once

#include "render/encoder/mcl_types.h"

#include <QImage>
#include <QString>

namespace velumo {

// The operations of the media conversion library that writes the album: jobs with callbacks,
// name lists of frame pictures and songs, output settings, the conversion and its errors.
// FfmpegMcl is the library itself; the interface lets the render window's conversion sequence
// be checked call by call.
class MclLibrary
{
public:
    virtual ~MclLibrary() = default;

    virtual MclHandle MclCreate() = 0;
    virtual void MclFree(MclHandle job) = 0;

    virtual void MclAssignVideoSource(MclHandle job, MclSourceFunc callback) = 0;
    virtual void MclAssignVideoFunc(MclHandle job, MclVideoFunc callback) = 0;
    virtual void MclAssignAudioSource(MclHandle job, MclSourceFunc callback) = 0;
    virtual void MclAssignAudioFunc(MclHandle job, MclAudioFunc callback) = 0;
    virtual void MclAssignProgress(MclHandle job, MclProgressFunc callback) = 0;
    virtual void MclAssignError(MclHandle job, MclErrorFunc callback) = 0;

    virtual MclHandle MclListCreate() = 0;
    virtual void MclListAdd(MclHandle list, const QString &name, int kind, int start, int length) = 0;
    // Frames of the video lines: one per picture.
    virtual qint64 MclListGetFrameCount(MclHandle list) = 0;
    // Samples of the audio lines, each song counted at its own sample rate.
    virtual qint64 MclListGetSampleCount(MclHandle list) = 0;
    // The name of line `index`; false when there is no such line.
    virtual bool MclListGetName(MclHandle list, int index, QString *name) = 0;
    virtual void MclListFree(MclHandle list) = 0;

    virtual void MclSetFormatPreset(MclHandle job, int format, int standard) = 0;
    // -1 keeps the album's 25 frames per second in time on NTSC by repeating frames; 0 shows
    // every album frame once.
    virtual void MclVideoSetKeepDuration(MclHandle job, int flag) = 0;
    // -1 cuts the sound track at the end of the video.
    virtual void MclAudioSetTruncateToVideo(MclHandle job, int flag) = 0;
    // Output frame size; `bitsPerPixel` of the frames handed over (24 or 32).
    virtual void MclVideoSetFormat(MclHandle job, int width, int height, int bitsPerPixel) = 0;
    // Asks for high-quality video: a peak, a floor and a target rate in kbit/s, each bounded
    // by what the output kind allows at high quality.
    virtual void MclVideoSetBitRate(MclHandle job, int peakKbps, int floorKbps, int targetKbps) = 0;
    virtual void MclAudioSetCodec(MclHandle job, int codec) = 0;
    virtual void MclVideoSetFileName(MclHandle job, const QString &path) = 0;
    virtual void MclAudioSetFileName(MclHandle job, const QString &path) = 0;

    // Runs the conversion on the calling thread and returns when it has ended.
    virtual void MclConvert(MclHandle job) = 0;
    // Ends a running conversion at the next frame; safe from callbacks and other threads.
    virtual void MclAbort(MclHandle job) = 0;
    // The last conversion error of the calling thread, 0 when none, and its text.
    virtual int MclGetError() = 0;
    virtual QString MclGetErrorStr() = 0;

    // From the callbacks.
    virtual void MclSourceSetFile(MclHandle source, const QString &name) = 0;
    virtual void MclSourceFinished(MclHandle source) = 0;
    // Stands in for writing the picture file `name`: until the job ends, a source set to that
    // name delivers `image` without reading the disk.
    virtual void MclPutFrame(MclHandle job, const QString &name, const QImage &image) = 0;
    virtual double MclGetElapsedTime(MclHandle job) = 0;
    virtual double MclGetRemainingTime(MclHandle job, qint64 totalFrames, qint64 totalSamples) = 0;
    virtual QString MclMakeTimeStr(double seconds) = 0;
};

} // namespace velumo
