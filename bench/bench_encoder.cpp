// Encoding an album at 1280 x 720 through the render window's conversion sequence (frames
// handed over in memory, one song), beside the ffmpeg tool encoding the same number of
// frames (raw BGRA from a file) to the same codecs, size and bit rates, in the same run.
// Reports frames per second of both and their ratio.

#include "render/conversion/conversion_sequence.h"
#include "render/encoder/ffmpeg_mcl.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kFrames = 150;   // six seconds of album
constexpr int kDistinct = 10;  // frames cycle through this many pictures
const QSize kSize(1280, 720);

// A photo-like picture (smooth colour fields with grain) panned a little per frame, as a
// template moves its photo.
QImage photoFrame(int index)
{
    static const QImage photo = [] {
        QImage image(kSize.width() + 64, kSize.height(), QImage::Format_RGB32);
        QRandomGenerator grain{7};
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const double u = x * 0.004;
                const double v = y * 0.005;
                const int noise = int(grain.bounded(16)) - 8;
                line[x] = qRgb(std::clamp(int(128 + 90 * std::sin(u + v)) + noise, 0, 255),
                               std::clamp(int(128 + 90 * std::cos(u * 1.3 - v)) + noise, 0, 255),
                               std::clamp(int(128 + 90 * std::sin(v * 1.7)) + noise, 0, 255));
            }
        }
        return image;
    }();
    return photo.copy(QRect(QPoint((index % kDistinct) * 4, 0), kSize));
}

struct Target
{
    const char *kind;      // the render window's output kind
    const char *extension;
    QStringList cliCodecs; // the same encode for the ffmpeg tool
};

const std::map<std::string, Target> &targets()
{
    static const std::map<std::string, Target> all = {
        {"DVD",
         {"DVD", "mpg",
          {u"-c:v"_s, u"mpeg2video"_s, u"-b:v"_s, u"8000k"_s, u"-maxrate"_s, u"9800k"_s, u"-bufsize"_s, u"1835008"_s,
           u"-g"_s, u"15"_s, u"-bf"_s, u"0"_s, u"-c:a"_s, u"ac3"_s, u"-b:a"_s, u"448k"_s, u"-ar"_s, u"48000"_s,
           u"-ac"_s, u"2"_s, u"-f"_s, u"dvd"_s, u"-muxrate"_s, u"10080000"_s, u"-packetsize"_s, u"2048"_s}}},
        {"AVI",
         {"AVI", "avi",
          {u"-c:v"_s, u"mpeg4"_s, u"-vtag"_s, u"XVID"_s, u"-b:v"_s, u"8000k"_s, u"-g"_s, u"50"_s, u"-bf"_s, u"0"_s,
           u"-c:a"_s, u"libmp3lame"_s, u"-b:a"_s, u"192k"_s, u"-ar"_s, u"44100"_s, u"-ac"_s, u"2"_s, u"-f"_s,
           u"avi"_s}}},
    };
    return all;
}

struct Inputs
{
    QTemporaryDir dir;
    QString song;
    QString raw;
    QString frameFile;
    std::vector<QImage> frames;

    Inputs()
    {
        song = dir.filePath(u"song.mp3"_s);
        QProcess::execute(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                                        u"sine=frequency=440:duration=8"_s, u"-ac"_s, u"2"_s, u"-c:a"_s,
                                        u"libmp3lame"_s, u"-y"_s, song});
        raw = dir.filePath(u"frames.bgra"_s);
        QFile file(raw);
        file.open(QIODevice::WriteOnly);
        for (int i = 0; i < kDistinct; ++i) {
            frames.push_back(photoFrame(i));
            file.write(reinterpret_cast<const char *>(frames.back().constBits()), frames.back().sizeInBytes());
        }
        frameFile = dir.filePath(u"tp_load_1.bmp"_s);
        frames.front().save(frameFile, "BMP");
    }
};

Inputs &inputs()
{
    static Inputs shared;
    return shared;
}

std::map<std::string, double> ourFps;
std::map<std::string, double> cliFps;

void BM_AlbumEncoder(benchmark::State &state, const std::string &name)
{
    const Target &target = targets().at(name);
    Inputs &in = inputs();
    velumo::ConversionRequest request;
    request.outputKind = QString::fromLatin1(target.kind);
    request.videoOut = request.audioOut = in.dir.filePath(u"ours."_s + QString::fromLatin1(target.extension));
    for (int i = 0; i < kFrames; ++i)
        request.videoLines.append(in.frameFile);
    request.audioLines = {in.song};
    double seconds = 0;
    for (auto _ : state) {
        velumo::FfmpegMcl library;
        velumo::ConversionHooks hooks;
        hooks.renderStep = [&](velumo::MclHandle job, const QString &frameName, qint64 frame) {
            library.MclPutFrame(job, frameName, in.frames[size_t((frame + 1) % kDistinct)]);
        };
        QElapsedTimer clock;
        clock.start();
        velumo::ConversionSequence(library, hooks).run(request);
        seconds += double(clock.nsecsElapsed()) / 1e9;
        if (library.MclGetError() != 0)
            state.SkipWithError(library.MclGetErrorStr().toStdString().c_str());
    }
    const double fps = kFrames * double(state.iterations()) / seconds;
    state.counters["fps"] = fps;
    ourFps[name] = fps;
}

void BM_FfmpegTool(benchmark::State &state, const std::string &name)
{
    const Target &target = targets().at(name);
    Inputs &in = inputs();
    const QString output = in.dir.filePath(u"cli."_s + QString::fromLatin1(target.extension));
    const QStringList arguments = QStringList{u"-v"_s, u"error"_s, u"-y"_s, u"-stream_loop"_s, u"-1"_s, u"-f"_s,
                                              u"rawvideo"_s, u"-pix_fmt"_s, u"bgra"_s, u"-s"_s, u"1280x720"_s,
                                              u"-r"_s, u"25"_s, u"-i"_s, in.raw, u"-i"_s, in.song, u"-frames:v"_s,
                                              QString::number(kFrames), u"-pix_fmt"_s, u"yuv420p"_s}
                                + target.cliCodecs + QStringList{output};
    double seconds = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        if (QProcess::execute(u"ffmpeg"_s, arguments) != 0)
            state.SkipWithError("ffmpeg failed");
        seconds += double(clock.nsecsElapsed()) / 1e9;
    }
    const double fps = kFrames * double(state.iterations()) / seconds;
    state.counters["fps"] = fps;
    cliFps[name] = fps;
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    for (const auto &[name, target] : targets()) {
        benchmark::RegisterBenchmark(("AlbumEncoder/" + name).c_str(), BM_AlbumEncoder, name)
            ->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
        benchmark::RegisterBenchmark(("FfmpegTool/" + name).c_str(), BM_FfmpegTool, name)
            ->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const auto &[name, fps] : ourFps) {
        if (cliFps.count(name))
            std::printf("%s 1280x720, %d frames: album encoder %.1f fps, ffmpeg tool %.1f fps, ratio %.2f\n",
                        name.c_str(), kFrames, fps, cliFps[name], fps / cliFps[name]);
    }
    return 0;
}
