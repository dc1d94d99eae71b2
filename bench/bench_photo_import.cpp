// Adding 50 photos of 4000 x 3000 (10 portrait, 4 of them stored sideways with an EXIF
// orientation) to an empty album with the shipped template library: measuring, assignment,
// instances, thumbnails and fitting. Reports the time of each stage as counters (ms).

#include "app/project/project_model.h"
#include "app/workspace/working_tree.h"
#include "assign/random_source.h"
#include "media/photo_import.h"
#include "templates/template_catalogue.h"
#include "tests/support/jpeg_fixtures.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QCoreApplication>
#include <QPainter>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

constexpr int kPhotos = 50;

// Smooth colour fields with grain, so the files are about as large and slow to decode as
// camera photos (flat test pictures decode far faster).
QImage photoLike(QSize size, int seed)
{
    QImage image(size, QImage::Format_RGB32);
    QRandomGenerator grain{quint32(seed)};
    for (int y = 0; y < size.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            const double u = x * 0.004 + seed;
            const double v = y * 0.005;
            const int noise = int(grain.bounded(24)) - 12;
            line[x] = qRgb(std::clamp(int(128 + 90 * std::sin(u + v)) + noise, 0, 255),
                           std::clamp(int(128 + 90 * std::cos(u * 1.3 - v)) + noise, 0, 255),
                           std::clamp(int(128 + 90 * std::sin(v * 1.7)) + noise, 0, 255));
        }
    }
    return image;
}

void copyTree(const QString &from, const QString &to)
{
    QDir().mkpath(to);
    const QDir source(from);
    for (const QFileInfo &entry : source.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
        if (entry.isDir())
            copyTree(entry.filePath(), to + u'/' + entry.fileName());
        else
            QFile::copy(entry.filePath(), to + u'/' + entry.fileName());
    }
}

struct PhotoSet
{
    QTemporaryDir folder;
    QStringList files;

    PhotoSet()
    {
        for (int i = 0; i < kPhotos; ++i) {
            const bool portrait = i % 5 == 4;
            const bool sideways = portrait && i % 10 == 9 && i < 40;
            const QSize stored = portrait && !sideways ? QSize(3000, 4000) : QSize(4000, 3000);
            const QString path = folder.path() + u"/photo_%1.jpg"_s.arg(i, 2, 10, QChar(u'0'));
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(velumo::test::encodeJpeg(photoLike(stored, i), {velumo::test::JpegColour::Rgb, false, sideways ? 6 : 0}));
            files << path;
        }
    }
};

void importFiftyPhotos(benchmark::State &state)
{
    static PhotoSet photos;
    std::vector<double> stages(5, 0.0);
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir programDir;
        const velumo::ProgramFolder program(programDir.path());
        velumo::working_tree::prepare(program);
        copyTree(QStringLiteral(VELUMO_PROGRAM_DIR) + u"/smxcwjj/wj_0_or_2"_s, program.resolve(u"smxcwjj\\wj_0_or_2"_s));
        QFile::copy(QStringLiteral(VELUMO_PROGRAM_DIR) + u"/smxcwjj/wj_0_or_1/wj_1.rar"_s,
                    program.resolve(u"smxcwjj\\wj_0_or_1\\wj_1.rar"_s));
        velumo::ProjectModel model;
        velumo::buildTemplateCatalogue(program, model.form1);
        velumo::SeededRandomSource random(1);
        state.ResumeTiming();

        QElapsedTimer clock;
        clock.start();
        std::vector<qint64> marks;
        const velumo::ImportFeedback feedback{[](int) {}, [] {}, [] {}, [&](velumo::ImportStage stage) {
                                                  if (stage != velumo::ImportStage::ListRebuilt)
                                                      marks.push_back(clock.nsecsElapsed());
                                              }};
        const velumo::PhotoImportReport report = velumo::importPhotos(program, model, random, photos.files, feedback);
        if (report.imported != kPhotos || marks.size() != 5)
            state.SkipWithError("the import did not take every photo");
        for (size_t i = 0; i < marks.size() && i < stages.size(); ++i)
            stages[i] += double(marks[i] - (i ? marks[i - 1] : 0)) / 1e6;
    }
    const char *names[] = {"measure_ms", "assign_ms", "instances_ms", "thumbnails_ms", "fit_ms"};
    for (size_t i = 0; i < stages.size(); ++i)
        state.counters[names[i]] = benchmark::Counter(stages[i] / double(state.iterations()));
}

} // namespace

BENCHMARK(importFiftyPhotos)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(2);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
