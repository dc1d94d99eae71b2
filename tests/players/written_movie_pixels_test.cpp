// Movies written to bytes, then read, played and painted: each feature a template relies on
// shows up at the pixels where it should.
#include "players/swf_template_player.h"

#include "players/swf/writer/movie_writer.h"
#include "tests/support/temp_tree.h"

#include <QImage>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using namespace velumo::swf;
using namespace velumo::swf::writer;

namespace {

constexpr Rect kStage{0, 200 * 20, 0, 100 * 20};

Rect pixels(int left, int top, int right, int bottom)
{
    return {left * 20, right * 20, top * 20, bottom * 20};
}

std::uint16_t solidRect(MovieWriter &movie, const Rect &rect, Rgba colour)
{
    ShapeBuilder shape;
    shape.rectangle(rect, shape.addFill(solidFill(colour)));
    return movie.defineShape(shape);
}

struct Probe
{
    int x;
    int y;
    QColor colour;
    int tolerance = 2;
};

struct Case
{
    const char *what;
    std::function<void(MovieWriter &)> write;
    int frame;
    std::vector<Probe> probes;
};

QImage paintWritten(const Case &c)
{
    velumo::test::TempTree tree;
    MovieWriter movie;
    movie.setStageSize(200, 100);
    c.write(movie);
    const Bytes bytes = movie.finish(Compression::Zlib);
    tree.writeFile(u"movie.rar"_s, QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size())));
    SwfTemplatePlayer player(tree.path());
    player.setMovie(tree.abs(u"movie.rar"_s));
    player.stop();
    player.setFrameNum(c.frame);
    QImage image(200, 100, QImage::Format_ARGB32_Premultiplied);
    player.paint(image);
    return image;
}

bool near(QColor a, QColor b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
           && std::abs(a.blue() - b.blue()) <= tolerance;
}

Matrix shifted(double xPixels, double yPixels)
{
    Matrix m;
    m.tx = xPixels * 20;
    m.ty = yPixels * 20;
    return m;
}

} // namespace

TEST(WrittenMoviePixels, FeaturesLandWhereTheyShould)
{
    const Case cases[] = {
        {"linear gradient from black to white across the stage",
         [](MovieWriter &m) {
             ShapeBuilder shape;
             shape.rectangle(kStage, shape.addFill(linearGradientFill(kStage, {{0, {0, 0, 0, 255}}, {255, {255, 255, 255, 255}}})));
             m.place(1, m.defineShape(shape));
             m.showFrame();
         },
         0,
         {{1, 50, QColor(1, 1, 1), 4}, {100, 50, QColor(128, 128, 128), 6}, {198, 50, QColor(254, 254, 254), 4}}},
        {"bitmap fill at 20 twips per pixel, clipped",
         [](MovieWriter &m) {
             QImage tiles(2, 2, QImage::Format_ARGB32);
             tiles.setPixelColor(0, 0, Qt::red);
             tiles.setPixelColor(1, 0, Qt::green);
             tiles.setPixelColor(0, 1, Qt::blue);
             tiles.setPixelColor(1, 1, Qt::yellow);
             const std::uint16_t bitmap = m.defineBitmapLossless(tiles);
             ShapeBuilder shape;
             const Rect box = pixels(0, 0, 20, 20);
             shape.rectangle(box, shape.addFill(bitmapFill(bitmap, tiles.size(), box, false)));
             m.place(1, m.defineShape(shape), shifted(10, 10));
             m.showFrame();
         },
         0,
         {{12, 12, Qt::red}, {27, 12, Qt::green}, {12, 27, Qt::blue}, {27, 27, Qt::yellow}, {35, 35, Qt::white}}},
        {"moved, scaled and half-faded clip",
         [](MovieWriter &m) {
             const std::uint16_t red = solidRect(m, pixels(0, 0, 40, 40), {255, 0, 0, 255});
             Matrix half = shifted(100, 20);
             half.a = half.d = 0.5;
             ColorTransform fade;
             fade.aMul = 128;
             m.place(1, red, Matrix{});
             m.showFrame();
             m.modify(1, half, fade);
             m.showFrame();
         },
         1,
         {{105, 25, QColor(255, 127, 127), 2}, {5, 5, Qt::white}, {121, 41, Qt::white}}},
        {"mask limits what lies above it",
         [](MovieWriter &m) {
             const std::uint16_t mask = solidRect(m, pixels(50, 0, 100, 100), {0, 0, 0, 255});
             const std::uint16_t blue = solidRect(m, kStage, {0, 0, 255, 255});
             PlaceCommand maskPlace;
             maskPlace.depth = 1;
             maskPlace.characterId = mask;
             maskPlace.clipDepth = 2;
             m.place(maskPlace);
             m.place(2, blue);
             m.showFrame();
         },
         0,
         {{75, 50, Qt::blue}, {25, 50, Qt::white}, {150, 50, Qt::white}}},
        {"sprite with its own timeline follows the root",
         [](MovieWriter &m) {
             const std::uint16_t green = solidRect(m, pixels(0, 0, 10, 10), {0, 160, 0, 255});
             SpriteWriter walker;
             walker.place(1, green, shifted(0, 40));
             walker.showFrame();
             for (int f = 1; f < 4; ++f) {
                 walker.modify(1, shifted(30.0 * f, 40));
                 walker.showFrame();
             }
             const std::uint16_t sprite = m.defineSprite(walker);
             m.place(1, sprite);
             for (int f = 0; f < 6; ++f)
                 m.showFrame();
         },
         2,
         {{65, 45, QColor(0, 160, 0)}, {5, 45, Qt::white}, {35, 45, Qt::white}}},
    };
    for (const Case &c : cases) {
        const QImage image = paintWritten(c);
        for (const Probe &p : c.probes) {
            const QColor seen = image.pixelColor(p.x, p.y);
            EXPECT_TRUE(near(seen, p.colour, p.tolerance))
                << c.what << ": at (" << p.x << ", " << p.y << ") saw " << seen.name().toStdString() << ", expected "
                << p.colour.name().toStdString();
        }
    }
}
