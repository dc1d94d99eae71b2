// Start-up with a template library of 100 templates: scanning both library folders, the
// 23-layer unpack of every parameter package, classification and slot counting.

#include "app/project/form1_state.h"
#include "app/workspace/program_folder.h"
#include "templates/template_catalogue.h"
#include "templates/template_package.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

void startUpCatalogue(benchmark::State &state)
{
    const int templates = int(state.range(0));
    QTemporaryDir program;
    const char *orientations[] = {"|heng|", "|shu|", "|shuheng|", "|heng|heng|", "|shu|shu|", "|heng|shu|"};
    for (int i = 0; i < templates; ++i) {
        const QByteArray ini = QByteArray("[l_x_w_j_s_y]\r\nl_x_w_j_s_y=s_y_l_x\r\n[1]\r\nmblx=经典\r\nmbfl=单张\r\n"
                                          "xpsl=1\r\nxpkd=|1200|\r\nxpgd=|800|\r\nszhz=")
                               + orientations[i % 6] + "\r\nxpjpgmc=picture_1.rar\r\nmbdx=150\r\n";
        const QString name = QStringLiteral("mb_%1.rar").arg(i, 3, 10, QLatin1Char('0'));
        writeFile(program.path() + QStringLiteral("/smxcwjj/wj_0_or_2/wjj_02/") + name, velumo::wrapPackage(ini));
        // Movie packages are only listed at start-up, never opened: their size does not matter.
        writeFile(program.path() + QStringLiteral("/smxcwjj/wj_0_or_2/wjj_01/") + name, velumo::wrapPackage("FWS"));
    }
    const velumo::ProgramFolder folder(program.path());
    for (auto _ : state) {
        velumo::Form1State form1;
        velumo::buildTemplateCatalogue(folder, form1);
        benchmark::DoNotOptimize(form1.ListView_mobancanshu.rowCount());
    }
}

} // namespace

BENCHMARK(startUpCatalogue)->Arg(100)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_MAIN();
