#include "tests/encoder/album_fixture.h"

#include "render/conversion/conversion_sequence.h"

#include <QColor>
#include <QPainter>

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {

QImage albumFrame(int index, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((index * 37) % 360, 200, 200));
    QPainter painter(&image);
    const int barWidth = size.width() / 10;
    painter.fillRect(QRect((index % 10) * barWidth, 0, barWidth, size.height()), Qt::white);
    return image;
}

ConversionRequest albumRequest(const QString &kind, const QString &output, int frames, const QString &frameFile,
                               QSize size, const QStringList &songs)
{
    ConversionRequest request;
    request.outputKind = kind;
    request.width = size.width();
    request.height = size.height();
    request.videoOut = output;
    request.audioOut = output;
    for (int i = 0; i < frames; ++i)
        request.videoLines.append(frameFile);
    request.audioLines = songs;
    return request;
}

AlbumRun renderAlbum(FfmpegMcl &library, const ConversionRequest &request, const QString &frameFile, QSize frameSize,
                     HandOver handOver, QSize firstSize,
                     const std::function<void(qint64 step, const std::function<void()> &stop)> &duringStep)
{
    albumFrame(0, firstSize.isValid() ? firstSize : frameSize).save(frameFile, "BMP");
    AlbumRun run;
    ConversionHooks hooks;
    hooks.log = [&run](const QString &line) { run.log.append(line); };
    ConversionSequence *sequence = nullptr;
    hooks.renderStep = [&](MclHandle job, const QString &, qint64 frame) {
        const QImage next = albumFrame(int(frame + 1), frameSize);
        if (handOver == HandOver::InMemory)
            library.MclPutFrame(job, frameFile, next);
        else
            next.save(frameFile, "BMP");
        ++run.renderSteps;
        if (duringStep)
            duringStep(frame, [&sequence] { sequence->stop(); });
    };
    ConversionSequence conversion(library, hooks);
    sequence = &conversion;
    conversion.run(request);
    return run;
}

} // namespace velumo::test
