#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace velumo::test {

struct ProbedStream
{
    QString type;         // "video", "audio", …
    QString codec;
    QString codecTag;
    int width = 0;
    int height = 0;
    QString frameRate;    // r_frame_rate, "25/1"
    int sampleRate = 0;
    int channels = 0;
    double duration = 0;
    qint64 frames = 0;    // decoded frames (counted)
};

struct ProbedFile
{
    QString format;       // format_name
    double duration = 0;
    std::vector<ProbedStream> streams;

    const ProbedStream *first(const QString &type) const;
};

// ffprobe of a media file with its frames counted; fails the test when ffprobe fails.
ProbedFile probeMedia(const QString &path);

// Frame `index` of a video decoded by the ffmpeg tool.
QImage decodeFrame(const QString &path, int index);

// A sine tone made by the ffmpeg tool: MP3 at the given rate and channel count.
void makeTone(const QString &path, double seconds, int sampleRate, int channels, int frequency = 440);

// Mean absolute difference of the RGB channels of two pictures of one size (0 … 255).
double meanDifference(const QImage &a, const QImage &b);

} // namespace velumo::test
