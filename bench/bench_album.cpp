// Making whole albums from the fixed test set: 20 photos of 4000 x 3000 (6 portrait, 2 of
// them stored sideways with EXIF orientation 6) and one 60-second song, imported with the
// shipped template library, then rendered and encoded as DVD 1280 x 720, DVD 1920 x 1080,
// AVI 1280 x 720 and a JPG sequence 1280 x 720. Beside each, in the same run, the ffmpeg tool
// encodes the same number of generated frames to the same codecs, size and rates (encode
// only). Reports album frames per second, the tool's, their ratio, the mean luma PSNR of the
// album against its composed frames, and the peak memory of the process so far.
//
// Run one target per process for its own peak memory:
//   bench_album --benchmark_filter=DVD_1280

#include "app/project/project_model.h"
#include "bench/bench_inputs.h"
#include "app/workspace/working_tree.h"
#include "assign/random_source.h"
#include "media/music_import.h"
#include "media/photo_import.h"
#include "players/audio/ffmpeg_media_player.h"
#include "render/album_session.h"
#include "render/encoder/ffmpeg_mcl.h"
#include "templates/template_catalogue.h"
#include "tests/encoder/media_probe.h"
#include "tests/support/jpeg_fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>
#include <cstdio>
#include <map>

using namespace Qt::Literals::StringLiterals;

namespace {

using velumo::bench::copyTree;
using velumo::bench::photoLike;

// The test set and an album made of it, once per process.
struct Album
{
    QTemporaryDir folder;
    velumo::ProgramFolder program{folder.path() + u"/program"_s};
    velumo::ProjectModel model;

    Album()
    {
        QStringList photos;
        for (int i = 0; i < 20; ++i) {
            const bool sideways = i == 7 || i == 15;
            const bool portrait = sideways || i % 5 == 2;
            const QSize stored = portrait && !sideways ? QSize(3000, 4000) : QSize(4000, 3000);
            const QString path = folder.path() + u"/photo_%1.jpg"_s.arg(i, 2, 10, QChar(u'0'));
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(velumo::test::encodeJpeg(photoLike(stored, i), {velumo::test::JpegColour::Rgb, false, sideways ? 6 : 0}));
            photos << path;
        }
        const QString song = folder.path() + u"/song.mp3"_s;
        velumo::test::makeTone(song, 60, 44100, 2);

        velumo::working_tree::prepare(program);
        copyTree(QStringLiteral(VELUMO_PROGRAM_DIR) + u"/smxcwjj/wj_0_or_2"_s, program.resolve(u"smxcwjj\\wj_0_or_2"_s));
        QFile::copy(QStringLiteral(VELUMO_PROGRAM_DIR) + u"/smxcwjj/wj_0_or_1/wj_1.rar"_s,
                    program.resolve(u"smxcwjj\\wj_0_or_1\\wj_1.rar"_s));
        velumo::buildTemplateCatalogue(program, model.form1);
        velumo::SeededRandomSource random(1);
        velumo::importPhotos(program, model, random, photos, {[](int) {}, [] {}, [] {}});
        velumo::FfmpegMediaPlayer player;
        velumo::importSongs(model.form1, program, player, {song});
    }
};

Album &album()
{
    static Album instance;
    return instance;
}

struct Target
{
    velumo::OutputKind kind;
    QSize size;
    QString token;       // the encoder's kind
    QString extension;
    QStringList cliCodecs;
};

QStringList dvdCodecs()
{
    return {u"-c:v"_s, u"mpeg2video"_s, u"-b:v"_s, u"8000k"_s, u"-maxrate"_s, u"9800k"_s, u"-bufsize"_s, u"1835008"_s,
            u"-g"_s, u"15"_s, u"-bf"_s, u"0"_s, u"-c:a"_s, u"mp2"_s, u"-b:a"_s, u"224k"_s, u"-ar"_s, u"48000"_s,
            u"-ac"_s, u"2"_s, u"-f"_s, u"dvd"_s, u"-muxrate"_s, u"10080000"_s, u"-packetsize"_s, u"2048"_s};
}

const std::map<int, Target> &targets()
{
    static const std::map<int, Target> all = {
        {0, {velumo::OutputKind::Dvd, {1280, 720}, u"DVD"_s, u"mpg"_s, dvdCodecs()}},
        {1, {velumo::OutputKind::Dvd, {1920, 1080}, u"DVD"_s, u"mpg"_s, dvdCodecs()}},
        {2, {velumo::OutputKind::Avi, {1280, 720}, u"AVI"_s, u"avi"_s,
             {u"-c:v"_s, u"mpeg4"_s, u"-vtag"_s, u"XVID"_s, u"-b:v"_s, u"8000k"_s, u"-g"_s, u"50"_s, u"-bf"_s, u"0"_s,
              u"-c:a"_s, u"libmp3lame"_s, u"-b:a"_s, u"192k"_s, u"-ar"_s, u"44100"_s, u"-ac"_s, u"2"_s, u"-f"_s,
              u"avi"_s}}},
        {3, {velumo::OutputKind::PictureSequence, {1280, 720}, u"XLTP"_s, u"jpg"_s,
             {u"-c:v"_s, u"mjpeg"_s, u"-q:v"_s, u"2"_s, u"-an"_s}}},
    };
    return all;
}

// The frame's luma (BT.601 weights) in 1/256 steps: half the memory of the frame, so that
// keeping frames for the comparison does not weigh on the peak memory measured.
std::vector<std::uint16_t> lumaOf(const QImage &picture)
{
    const QImage x = picture.convertToFormat(QImage::Format_RGB32);
    std::vector<std::uint16_t> luma;
    luma.reserve(std::size_t(x.width()) * std::size_t(x.height()));
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        for (int col = 0; col < x.width(); ++col)
            luma.push_back(std::uint16_t(std::lround(256 * (0.299 * qRed(p[col]) + 0.587 * qGreen(p[col]) + 0.114 * qBlue(p[col])))));
    }
    return luma;
}

double lumaPsnr(const std::vector<std::uint16_t> &composed, const QImage &decoded, QSize size)
{
    const std::vector<std::uint16_t> other = lumaOf(decoded.scaled(size));
    double squared = 0;
    for (std::size_t i = 0; i < composed.size() && i < other.size(); ++i) {
        const double d = (double(composed[i]) - double(other[i])) / 256.0;
        squared += d * d;
    }
    const double mse = squared / double(composed.size());
    return mse <= 1e-9 ? 99.0 : 10 * std::log10(255.0 * 255.0 / mse);
}

// User and system time of every thread of the process: what a frame costs, whatever the load.
double processCpuSeconds()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec)
        + double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

double peakMemoryMb()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

void makeAlbum(benchmark::State &state, int which, const QString &quality)
{
    Album &made = album();
    const Target &target = targets().at(which);
    made.model.form1.Edit_huanmian_zhiliang.setText(quality);
    double albumFps = 0;
    double cliFps = 0;
    double psnr = 0;
    double cpuMsPerFrame = 0;
    double albumFrames = 0;
    for (auto _ : state) {
        QTemporaryDir out;
        velumo::AlbumRequest request;
        request.kind = target.kind;
        request.width = target.size.width();
        request.height = target.size.height();
        if (target.kind == velumo::OutputKind::PictureSequence) {
            QDir().mkpath(out.path() + u"/pictures"_s);
            request.videoOut = request.audioOut = out.path() + u"/pictures/01.JPG"_s;
            request.pictureFormat = u"JPG"_s;
        } else {
            request.videoOut = request.audioOut = out.path() + u"/album."_s + target.extension;
        }
        std::map<qint64, std::vector<std::uint16_t>> kept; // composed frames' luma, to compare with the output
        qint64 frames = 0;
        velumo::AlbumSessionHooks hooks;
        hooks.frameComposed = [&](qint64 index, const QImage &frame) {
            frames = index + 1;
            if (index % 97 == 0)
                kept[index] = lumaOf(frame);
        };
        velumo::FfmpegMcl library;
        velumo::AlbumSession session(made.program, made.model, velumo::defaultTemplatePlayerFactory(), library, hooks);
        QElapsedTimer clock;
        const double cpuBefore = processCpuSeconds();
        clock.start();
        session.run(request);
        albumFps = double(frames) / (double(clock.nsecsElapsed()) / 1e9);
        cpuMsPerFrame = frames > 0 ? (processCpuSeconds() - cpuBefore) * 1000.0 / double(frames) : 0;
        albumFrames = double(frames);

        if (target.kind != velumo::OutputKind::PictureSequence) {
            double sum = 0;
            for (const auto &[index, frame] : kept)
                sum += lumaPsnr(frame, velumo::test::decodeFrame(request.videoOut, int(index)), target.size);
            psnr = kept.empty() ? 0 : sum / double(kept.size());
        }

        QStringList arguments{u"-v"_s, u"error"_s, u"-y"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                              u"testsrc2=size=%1x%2:rate=25"_s.arg(target.size.width()).arg(target.size.height())};
        if (target.kind != velumo::OutputKind::PictureSequence)
            arguments << u"-f"_s << u"lavfi"_s << u"-i"_s << u"sine=frequency=440:sample_rate=44100"_s;
        arguments << u"-frames:v"_s << QString::number(frames) << u"-s"_s
                  << u"%1x%2"_s.arg(target.size.width()).arg(target.size.height()) << target.cliCodecs;
        if (target.kind != velumo::OutputKind::PictureSequence)
            arguments << u"-shortest"_s << out.path() + u"/tool."_s + target.extension;
        else
            arguments << out.path() + u"/tool_%02d.jpg"_s;
        clock.restart();
        if (QProcess::execute(u"ffmpeg"_s, arguments) != 0)
            state.SkipWithError("the ffmpeg tool failed");
        cliFps = double(frames) / (double(clock.nsecsElapsed()) / 1e9);
    }
    state.counters["album_fps"] = albumFps;
    state.counters["ffmpeg_fps"] = cliFps;
    state.counters["ratio"] = cliFps > 0 ? albumFps / cliFps : 0;
    state.counters["luma_psnr_db"] = psnr;
    state.counters["peak_mb"] = peakMemoryMb();
    state.counters["frames"] = albumFrames;
    state.counters["cpu_ms_per_frame"] = cpuMsPerFrame;
}

} // namespace

BENCHMARK_CAPTURE(makeAlbum, DVD_1280_high, 0, u"gaoqing_huazhi"_s)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK_CAPTURE(makeAlbum, DVD_1280_normal, 0, u"yiban_huazhi"_s)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK_CAPTURE(makeAlbum, DVD_1920_high, 1, u"gaoqing_huazhi"_s)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK_CAPTURE(makeAlbum, AVI_1280_high, 2, u"gaoqing_huazhi"_s)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK_CAPTURE(makeAlbum, JPG_1280_high, 3, u"gaoqing_huazhi"_s)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
