#pragma once

#include "render/encoder/job_settings.h"

#include <QSize>
#include <QString>

namespace velumo {

enum class OutputKind { Vcd, Svcd, Dvd, Avi, Pictures };
enum class PictureFormat { Jpg, Bmp, Tga, Pcx };

struct VideoRates
{
    int averageKbps = 0;
    int peakKbps = 0;       // 0: no peak (AVI)
    int floorKbps = 0;      // equal to the average for constant rate
    int bufferBits = 0;     // VBV buffer; 0: none
};

// Everything the writer needs, decided from a job's settings before any file is touched.
struct OutputPlan
{
    OutputKind kind = OutputKind::Dvd;
    bool highQuality = false;
    QString path;                 // the file, or for pictures the first picture's name
    QString muxer;                // "vcd", "svcd", "dvd", "avi"; empty for pictures
    int muxRate = 0;              // bit/s; 0 lets the muxer compute it
    int packetSize = 0;
    int preloadMicroseconds = -1; // -1: the muxer's default

    QString videoCodec;           // FFmpeg encoder name
    QSize frameSize;              // invalid: each frame keeps its own size (pictures) or the
                                  // first frame's size (AVI)
    int fpsNum = 25;
    int fpsDen = 1;
    bool repeatForNtsc = false;   // show the 25 fps album at 30000/1001 by repeating frames
    int gop = 15;
    VideoRates rates;
    int jpegQuality = 0;          // qscale of JPEG pictures (2 best … 31)

    PictureFormat pictureFormat = PictureFormat::Jpg;
    QString pictureFolder;
    int firstPictureNumber = 1;
    int pictureDigits = 2;
    QString pictureExtension;     // as the name gave it ("jpg", "BMP", …)

    bool hasAudio = true;
    QString audioCodec;           // FFmpeg encoder name
    int sampleRate = 44100;
    int audioKbps = 224;
    bool truncateAudio = false;

    bool isPictures() const { return kind == OutputKind::Pictures; }
};

// Decides the output from the settings; throws Failure (MclErrorSettings) when the names ask
// for an output this library does not write.
OutputPlan makeOutputPlan(const JobSettings &settings);

// The file name of picture `number` of a sequence.
QString pictureFileName(const OutputPlan &plan, qint64 number);

} // namespace velumo
