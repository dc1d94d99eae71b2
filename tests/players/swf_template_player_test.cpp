// The whole player: movies written to disk by the project's writer, read back, run and painted.
#include "players/swf_template_player.h"

#include "app/base/failure.h"
#include "players/swf/writer/movie_writer.h"
#include "tests/support/temp_tree.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using namespace velumo::swf;
using namespace velumo::swf::writer;
using velumo::test::TempTree;

namespace {

constexpr Rgba kRed{255, 0, 0, 255};

QByteArray toBytes(const Bytes &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), qsizetype(bytes.size()));
}

Matrix translate(double xPixels, double yPixels)
{
    Matrix m;
    m.tx = xPixels * 20;
    m.ty = yPixels * 20;
    return m;
}

// A 200 x 100 stage with a red 100 x 50 rectangle at (20, 20) on white, moving 2 px right per
// frame over `frames` frames.
QByteArray movingRectangle(int frames)
{
    MovieWriter movie;
    movie.setStageSize(200, 100);
    ShapeBuilder shape;
    shape.rectangle({0, 2000, 0, 1000}, shape.addFill(solidFill(kRed)));
    const std::uint16_t id = movie.defineShape(shape);
    movie.place(1, id, translate(20, 20));
    movie.showFrame();
    for (int f = 1; f < frames; ++f) {
        movie.modify(1, translate(20 + 2 * f, 20));
        movie.showFrame();
    }
    return toBytes(movie.finish(Compression::Zlib));
}

// The handshake every template makes: a placeholder clip "p0" loaded with a picture, then
// fscommand "picture_0".
QByteArray handshakeMovie(const std::string &pictureUrl)
{
    MovieWriter movie;
    movie.setStageSize(200, 100);
    SpriteWriter placeholder;
    const std::uint16_t clip = movie.defineSprite(placeholder);
    PlaceCommand p;
    p.depth = 1;
    p.characterId = clip;
    p.name = "p0";
    p.matrix = translate(50, 10);
    movie.place(p);
    ActionAssembler actions;
    actions.setVariable("l_x_z_f_c", "l_x_z_f_c_s_y_w_j").loadMovie(pictureUrl, "_root.p0").fscommand("picture_0").stop();
    movie.doAction(actions);
    movie.showFrame();
    for (int f = 1; f < 30; ++f)
        movie.showFrame();
    return toBytes(movie.finish(Compression::Zlib));
}

QByteArray greenJpeg()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(QColor(0, 200, 0));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

QImage paintFrame(SwfTemplatePlayer &player, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    player.paint(image);
    return image;
}

bool near(QColor actual, QColor expected, int tolerance = 3)
{
    return std::abs(actual.red() - expected.red()) <= tolerance && std::abs(actual.green() - expected.green()) <= tolerance
           && std::abs(actual.blue() - expected.blue()) <= tolerance;
}

} // namespace

TEST(TemplatePlayer, PaintsAWrittenMovieAtAnySize)
{
    TempTree tree;
    tree.writeFile(u"movie.rar"_s, movingRectangle(1));
    SwfTemplatePlayer player(tree.path());
    player.setMovie(tree.abs(u"movie.rar"_s));
    ASSERT_EQ(player.totalFrames(), 1);

    const QImage small = paintFrame(player, 200, 100);
    EXPECT_EQ(small.pixelColor(19, 19), QColor(Qt::white));
    EXPECT_EQ(small.pixelColor(20, 20), QColor(Qt::red));
    EXPECT_EQ(small.pixelColor(119, 69), QColor(Qt::red));
    EXPECT_EQ(small.pixelColor(120, 70), QColor(Qt::white));

    const QImage wide = paintFrame(player, 400, 100); // the stage keeps its shape, centred
    EXPECT_EQ(wide.pixelColor(119, 40), QColor(Qt::white));
    EXPECT_EQ(wide.pixelColor(120, 40), QColor(Qt::red));
}

TEST(TemplatePlayer, SeekingBackPaintsWhatPlayingForwardPainted)
{
    TempTree tree;
    tree.writeFile(u"movie.swf"_s, movingRectangle(30));
    SwfTemplatePlayer forward(tree.path());
    forward.setMovie(tree.abs(u"movie.swf"_s));
    forward.setFrameNum(12);
    const QImage expected = paintFrame(forward, 200, 100);

    SwfTemplatePlayer seeking(tree.path());
    seeking.setMovie(tree.abs(u"movie.swf"_s));
    seeking.setFrameNum(25);
    seeking.setFrameNum(12);
    EXPECT_EQ(paintFrame(seeking, 200, 100), expected);
    EXPECT_EQ(expected.pixelColor(20 + 24, 20), QColor(Qt::red));
    EXPECT_EQ(expected.pixelColor(20 + 23, 20), QColor(Qt::white));
}

TEST(TemplatePlayer, HandshakeArrivesThroughTheEventLoopWithThePictureInPlace)
{
    TempTree tree;
    tree.writeFile(u"smxcwjj/tp_wjj/pic/picture_0.rar"_s, greenJpeg());
    tree.writeFile(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar"_s, handshakeMovie("..\\..\\pic\\picture_0.rar"));
    SwfTemplatePlayer player(tree.abs(u"smxcwjj"_s));
    std::vector<std::pair<QString, QString>> received;
    player.setFsCommandHandler([&](const QString &c, const QString &a) { received.emplace_back(c, a); });

    player.setMovie(tree.abs(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar"_s));
    EXPECT_TRUE(received.empty()) << "never from inside the call";
    QCoreApplication::processEvents();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].first, u"picture_0"_s);
    EXPECT_EQ(player.getVariable(u"l_x_z_f_c"_s), u"l_x_z_f_c_s_y_w_j"_s);
    EXPECT_EQ(player.totalFrames(), 30);

    // The picture's top-left pixel sits at the clip's origin, one pixel per pixel.
    const QImage frame = paintFrame(player, 200, 100);
    EXPECT_TRUE(near(frame.pixelColor(51, 11), QColor(0, 200, 0))) << frame.pixelColor(51, 11).name().toStdString();
    EXPECT_TRUE(near(frame.pixelColor(88, 38), QColor(0, 200, 0)));
    EXPECT_EQ(frame.pixelColor(49, 11), QColor(Qt::white));
    EXPECT_EQ(frame.pixelColor(91, 11), QColor(Qt::white));

    // The renderer's rewind: the picture stays and the handshake comes again.
    player.setFrameNum(20);
    player.setFrameNum(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(received.size(), 2u);
    EXPECT_TRUE(near(paintFrame(player, 200, 100).pixelColor(51, 11), QColor(0, 200, 0)));
}

TEST(TemplatePlayer, FreedPlayerGetsNoLateCommands)
{
    TempTree tree;
    tree.writeFile(u"m.swf"_s, handshakeMovie("missing.jpg"));
    int calls = 0;
    {
        SwfTemplatePlayer player(tree.path());
        player.setFsCommandHandler([&](const QString &, const QString &) { ++calls; });
        player.setMovie(tree.abs(u"m.swf"_s));
    }
    QCoreApplication::processEvents();
    EXPECT_EQ(calls, 0);
}

TEST(TemplatePlayer, BrokenMoviesFailWithAMessageNamingTheFile)
{
    TempTree tree;
    const QByteArray good = movingRectangle(3);
    tree.writeFile(u"truncated.rar"_s, good.left(good.size() / 2));
    tree.writeFile(u"garbage.rar"_s, QByteArray(500, 'x'));
    tree.writeFile(u"empty.rar"_s, QByteArray());
    const QString cases[] = {u"truncated.rar"_s, u"garbage.rar"_s, u"empty.rar"_s, u"does-not-exist.swf"_s};
    for (const QString &name : cases) {
        SwfTemplatePlayer player(tree.path());
        player.setMovie(tree.abs(name)); // never throws
        try {
            (void)player.totalFrames();
            ADD_FAILURE() << name.toStdString() << " was accepted";
        } catch (const Failure &failure) {
            EXPECT_TRUE(failure.message().contains(name)) << failure.message().toStdString();
        }
        QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
        EXPECT_THROW(player.paint(image), Failure) << name.toStdString();
        EXPECT_EQ(player.getVariable(u"l_x_z_f_c"_s), QString());
    }
}

TEST(TemplatePlayer, ProbePassesWhenAPlayerAcceptsAPath)
{
    EXPECT_TRUE(probeTemplatePlayer(defaultTemplatePlayerFactory(), u"/tmp"_s, u"/nonexistent/cj/cj.swf"_s));
    const TemplatePlayerFactory broken = [](const TemplatePlayerSetup &) -> std::unique_ptr<TemplatePlayer> {
        throw Failure(u"none"_s);
    };
    EXPECT_FALSE(probeTemplatePlayer(broken, u"/tmp"_s, u"/nonexistent/cj/cj.swf"_s));
}
