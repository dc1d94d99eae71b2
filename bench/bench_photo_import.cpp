// Adding 50 photos of 4000 x 3000 (10 portrait, 4 of them stored sideways with an EXIF
// orientation) to an empty album with the shipped template library: measuring, assignment,
// instances, thumbnails and fitting. Reports the time of each stage as counters (ms).

#include "app/project/project_model.h"
#include "bench/bench_inputs.h"
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

using velumo::bench::copyTree;
using velumo::bench::photoLike;

constexpr int kPhotos = 50;

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
