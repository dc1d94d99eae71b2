#pragma once

#include "render/conversion/conversion_request.h"
#include "render/encoder/ffmpeg_mcl.h"

#include <QImage>
#include <QSize>
#include <QStringList>

#include <functional>

namespace velumo::test {

// Album frame `index` of the generated albums: a colour chosen by the index with a white bar
// whose place moves with it, so a decoded frame tells which album frame it shows.
QImage albumFrame(int index, QSize size);

enum class HandOver { InMemory, FrameFile };

struct AlbumRun
{
    QStringList log;
    qint64 renderSteps = 0;
};

// Runs the render window's conversion sequence over the library with a render step that puts
// album frame i + 1 under the frame file's name (in memory or by rewriting the file). Album
// frame 0 is written to the frame file beforehand at `firstSize` (the opening picture's size
// may differ from the output's). `duringStep` runs at every render step after the frame is out.
AlbumRun renderAlbum(FfmpegMcl &library, const ConversionRequest &request, const QString &frameFile, QSize frameSize,
                     HandOver handOver, QSize firstSize = {},
                     const std::function<void(qint64 step, const std::function<void()> &stop)> &duringStep = {});

// A request for `frames` album frames of `size` written to `output`, songs in `songs`.
ConversionRequest albumRequest(const QString &kind, const QString &output, int frames, const QString &frameFile,
                               QSize size, const QStringList &songs = {});

} // namespace velumo::test
