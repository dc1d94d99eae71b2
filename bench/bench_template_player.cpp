// The player as the album renderer drives it: a template-like movie (three bitmap-filled
// shapes, one fading, a full-stage scene picture and a 1280×720 photo loaded by the movie),
// stepped frame by frame and painted. Compares stepping-and-painting with painting alone.

#include "players/swf/writer/movie_writer.h"
#include "players/swf_template_player.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cmath>

namespace {

using namespace velumo::swf;
using namespace velumo::swf::writer;

QImage gradientPicture(int width, int height, QColor from, QColor to)
{
    QImage image(width, height, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient g(0, 0, width, height);
    g.setColorAt(0, from);
    g.setColorAt(1, to);
    painter.fillRect(image.rect(), g);
    painter.setPen(QPen(Qt::white, 6));
    for (int i = 0; i < 20; ++i)
        painter.drawEllipse(QPoint(width * i / 20, height / 2), width / 10, height / 5);
    return image;
}

void writeJpeg(const QString &path, const QImage &image)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    image.save(path, "JPEG", 90);
}

Matrix at(double x, double y, double scale = 1, double degrees = 0)
{
    const double r = degrees * M_PI / 180;
    Matrix m;
    m.a = scale * std::cos(r);
    m.b = scale * std::sin(r);
    m.c = -scale * std::sin(r);
    m.d = scale * std::cos(r);
    m.tx = x * 20;
    m.ty = y * 20;
    return m;
}

// The working tree of one template instance, as the album renderer lays it out.
struct TemplateInstance
{
    TemplateInstance()
    {
        const QString root = dir.path();
        writeJpeg(root + QStringLiteral("/pic/picture_0.rar"),
                  gradientPicture(1920, 1080, QColor(40, 60, 120), QColor(200, 120, 60)));
        writeJpeg(root + QStringLiteral("/tp_wjj/tp_wjj_1/picture_1.rar"),
                  gradientPicture(1280, 720, QColor(30, 140, 90), QColor(240, 230, 200)));

        MovieWriter movie;
        movie.setStageSize(1920, 1080);
        const QImage texture = gradientPicture(400, 300, QColor(120, 20, 40), QColor(250, 200, 120));
        const std::uint16_t bitmap = movie.defineBitmapJpeg(texture, 90);
        std::uint16_t shapes[3];
        for (int i = 0; i < 3; ++i) {
            ShapeBuilder shape;
            const Rect box{0, 400 * 20, 0, 300 * 20};
            shape.roundedRectangle(box, 400, shape.addFill(bitmapFill(bitmap, texture.size(), box)));
            shapes[i] = movie.defineShape(shape);
        }
        const std::uint16_t scene = movie.defineSprite(SpriteWriter());
        const std::uint16_t slot = movie.defineSprite(SpriteWriter());
        PlaceCommand sceneClip;
        sceneClip.depth = 1;
        sceneClip.characterId = scene;
        sceneClip.name = "scene";
        sceneClip.matrix = Matrix{};
        movie.place(sceneClip);
        PlaceCommand photoClip;
        photoClip.depth = 2;
        photoClip.characterId = slot;
        photoClip.name = "p1";
        photoClip.matrix = at(320, 180);
        movie.place(photoClip);
        for (int i = 0; i < 3; ++i)
            movie.place(std::uint16_t(3 + i), shapes[i], at(100 + 500 * i, 700, 1, i == 1 ? 12 : 0));
        ActionAssembler actions;
        actions.setVariable("l_x_z_f_c", "l_x_z_f_c_s_y_w_j")
            .loadMovie("..\\..\\pic\\picture_0.rar", "_root.scene")
            .loadMovie("picture_1.rar", "_root.p1")
            .fscommand("picture_0")
            .stop();
        movie.doAction(actions);
        movie.showFrame();
        for (int f = 1; f < 100; ++f) {
            ColorTransform fade;
            fade.aMul = std::int16_t(256 * f / 99);
            movie.modify(2, at(320 - f, 180 - f / 2.0, 1 + f / 500.0), fade);
            movie.modify(4, at(600, 700 - f, 1, 12 + f * 0.2));
            movie.showFrame();
        }
        const Bytes bytes = movie.finish(Compression::Zlib);
        moviePath = root + QStringLiteral("/tp_wjj/tp_wjj_1/w_j_1.rar");
        QFile file(moviePath);
        file.open(QIODevice::WriteOnly);
        file.write(reinterpret_cast<const char *>(bytes.data()), qint64(bytes.size()));
    }

    QTemporaryDir dir;
    QString moviePath;
};

void paintOnly(benchmark::State &state)
{
    TemplateInstance instance;
    velumo::SwfTemplatePlayer player(instance.dir.path());
    player.setMovie(instance.moviePath);
    player.setFrameNum(50);
    QImage frame(int(state.range(0)), int(state.range(1)), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        player.paint(frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.SetItemsProcessed(state.iterations());
}

void stepAndPaintHundredFrames(benchmark::State &state)
{
    TemplateInstance instance;
    velumo::SwfTemplatePlayer player(instance.dir.path());
    player.setMovie(instance.moviePath);
    QImage frame(int(state.range(0)), int(state.range(1)), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        for (int f = 0; f < 100; ++f) {
            player.setFrameNum(f);
            player.paint(frame);
        }
        benchmark::DoNotOptimize(frame.constBits());
        // Back to the start for the next round, as a new template would.
        player.setFrameNum(0);
    }
    state.SetItemsProcessed(state.iterations() * 100);
}

} // namespace

BENCHMARK(paintOnly)->Args({1280, 720})->Args({1920, 1080})->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(stepAndPaintHundredFrames)->Args({1280, 720})->Args({1920, 1080})->MeasureProcessCPUTime()->UseRealTime()->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
