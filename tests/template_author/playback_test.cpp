// Every shipped movie played the way the renderer plays it, from an instance folder laid out
// like the real one, with solid-colour photos so that each slot can be found in the picture.
#include "tools/template_author/library.h"

#include "players/swf_template_player.h"
#include "tests/support/temp_tree.h"
#include "tests/template_author/movie_bytes.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using namespace velumo::author;
using velumo::test::TempTree;
using velumo::test::toByteArray;

namespace {

const QColor kScene(90, 110, 130);

// Colours no backdrop, frame or light of the library comes near, each with a test that
// survives JPEG, vignettes and a little light on top.
struct SlotColour
{
    QColor colour;
    std::function<bool(QRgb)> matches;
};

const SlotColour kSlotColours[] = {
    {QColor(255, 0, 0), [](QRgb p) { return qRed(p) > 120 && qGreen(p) < 60 && qBlue(p) < 60; }},
    {QColor(0, 255, 0), [](QRgb p) { return qGreen(p) > 120 && qRed(p) < 60 && qBlue(p) < 60; }},
    {QColor(0, 0, 255), [](QRgb p) { return qBlue(p) > 120 && qRed(p) < 60 && qGreen(p) < 60; }},
    {QColor(255, 0, 255), [](QRgb p) { return qRed(p) > 120 && qBlue(p) > 120 && qGreen(p) < 60; }},
};

QByteArray solidJpeg(QSize size, const QColor &colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 90);
    return out;
}

int countMatching(const QImage &image, const std::function<bool(QRgb)> &matches)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            n += matches(line[x]);
    }
    return n;
}

class Playback : public ::testing::TestWithParam<std::size_t>
{
protected:
    static constexpr char kInstance[] = "smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/";

    void SetUp() override
    {
        const TemplateDesign &t = templateLibrary()[GetParam()];
        tree.writeFile(QString::fromLatin1(kInstance) + u"w_j_1.rar"_s, toByteArray(composeMovie(t)));
        for (std::size_t i = 0; i < t.photoSlots.size(); ++i)
            tree.writeFile(QString::fromLatin1(kInstance) + u"picture_%1.rar"_s.arg(i + 1),
                           solidJpeg(arrivalSize(t.photoSlots[i]), kSlotColours[i].colour));
        tree.writeFile(u"smxcwjj/tp_wjj/pic/picture_0.rar"_s, solidJpeg(QSize(1920, 1080), kScene));
        player.setFsCommandHandler([this](const QString &command, const QString &) { commands << command; });
        player.setMovie(tree.abs(QString::fromLatin1(kInstance) + u"w_j_1.rar"_s));
    }

    QImage paintFrame(int frame)
    {
        player.setFrameNum(frame);
        QImage image(960, 540, QImage::Format_ARGB32_Premultiplied);
        player.paint(image);
        return image;
    }

    TempTree tree;
    SwfTemplatePlayer player{tree.path()};
    QStringList commands;
};

std::string nameOf(const ::testing::TestParamInfo<std::size_t> &info)
{
    return templateLibrary()[info.param].file;
}

} // namespace

TEST_P(Playback, MeetsTheHostContract)
{
    const TemplateDesign &t = templateLibrary()[GetParam()];
    ASSERT_EQ(player.failure(), QString());
    EXPECT_EQ(player.getVariable(u"l_x_z_f_c"_s), u"l_x_z_f_c_s_y_w_j"_s);
    EXPECT_TRUE(commands.isEmpty()) << "fscommand arrives through the event loop, not inside setMovie";
    QCoreApplication::processEvents();
    EXPECT_EQ(commands, QStringList{u"picture_0"_s});
    EXPECT_EQ(player.totalFrames(), t.frames);
    EXPECT_TRUE(player.takeWarnings().isEmpty());

    // The host's rewind runs frame 0 again: the handshake repeats and the pictures stay.
    player.setVariable(u"xc_alpha"_s, u"0"_s);
    player.setFrameNum(20);
    player.setFrameNum(0);
    QCoreApplication::processEvents();
    EXPECT_EQ(commands.size(), 2);
}

TEST_P(Playback, StartsOnTheScenePictureAndEndsOnThePhotos)
{
    const TemplateDesign &t = templateLibrary()[GetParam()];
    const QImage first = paintFrame(0);
    const int scenePixels = countMatching(first, [](QRgb p) {
        return std::abs(qRed(p) - kScene.red()) <= 6 && std::abs(qGreen(p) - kScene.green()) <= 6
               && std::abs(qBlue(p) - kScene.blue()) <= 6;
    });
    EXPECT_GE(scenePixels, first.width() * first.height() * 99 / 100) << "frame 0 shows the scene picture full stage";

    // At rest every photo is shown at scale 1: no more of its colour than the slot holds,
    // and most of it visible (piles and split screens hide some).
    const QImage last = paintFrame(t.frames - 1);
    for (std::size_t i = 0; i < t.photoSlots.size(); ++i) {
        const QSize size = arrivalSize(t.photoSlots[i]);
        const double slotPixels = size.width() * size.height() / 4.0; // painted at half size
        const int seen = countMatching(last, kSlotColours[i].matches);
        EXPECT_LE(seen, slotPixels * 1.02 + 200) << "slot " << i + 1;
        EXPECT_GE(seen, slotPixels * 0.3) << "slot " << i + 1;
    }
}

TEST_P(Playback, FramesPaintedInBandsLookLikeFramesPaintedWhole)
{
    // Masks, gradients, strokes and turned pictures must not show where the bands meet. The
    // raster engine steps through a clipped shape from the clip's top, so a few pixels may
    // round a level or two differently.
    SwfTemplatePlayer whole(tree.path(), 1);
    SwfTemplatePlayer banded(tree.path(), 3);
    const QString movie = tree.abs(QString::fromLatin1(kInstance) + u"w_j_1.rar"_s);
    whole.setMovie(movie);
    banded.setMovie(movie);
    const int last = whole.totalFrames() - 1;
    for (const int frame : {0, last / 3, last / 2, last}) {
        whole.setFrameNum(frame);
        banded.setFrameNum(frame);
        QImage a(1280, 720, QImage::Format_RGB32);
        QImage b(1280, 720, QImage::Format_RGB32);
        whole.paint(a);
        banded.paint(b);
        int largest = 0;
        int differing = 0;
        for (int y = 0; y < a.height(); ++y) {
            const auto *p = reinterpret_cast<const QRgb *>(a.constScanLine(y));
            const auto *q = reinterpret_cast<const QRgb *>(b.constScanLine(y));
            for (int x = 0; x < a.width(); ++x) {
                const int d = std::max({std::abs(qRed(p[x]) - qRed(q[x])), std::abs(qGreen(p[x]) - qGreen(q[x])),
                                        std::abs(qBlue(p[x]) - qBlue(q[x]))});
                largest = std::max(largest, d);
                differing += d > 0;
            }
        }
        EXPECT_LE(largest, 3) << "frame " << frame;
        EXPECT_LE(differing, a.width() * a.height() / 500) << "frame " << frame; // 0.2 %
    }
}

INSTANTIATE_TEST_SUITE_P(Library, Playback, ::testing::Range<std::size_t>(0, templateLibrary().size()), nameOf);

TEST(ClosingPlayback, EndsOnTheTitleCard)
{
    TempTree tree;
    const char *folder = "smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/";
    tree.writeFile(QString::fromLatin1(folder) + u"w_j_zuihou.rar"_s, toByteArray(composeMovie(closingTemplate())));
    tree.writeFile(u"smxcwjj/tp_wjj/pic/picture_0.rar"_s, solidJpeg(QSize(1920, 1080), kScene));
    SwfTemplatePlayer player(tree.path());
    QStringList commands;
    player.setFsCommandHandler([&](const QString &command, const QString &) { commands << command; });
    player.setMovie(tree.abs(QString::fromLatin1(folder) + u"w_j_zuihou.rar"_s));
    ASSERT_EQ(player.failure(), QString());
    EXPECT_EQ(player.getVariable(u"l_x_z_f_c"_s), u"l_x_z_f_c_s_y_w_j"_s);
    QCoreApplication::processEvents();
    EXPECT_EQ(commands, QStringList{u"picture_0"_s});
    // The renderer fills 99 frames with the closing template.
    EXPECT_GE(player.totalFrames(), 99);

    player.setFrameNum(player.totalFrames() - 1);
    QImage last(480, 270, QImage::Format_ARGB32_Premultiplied);
    player.paint(last);
    // Dark all round, with the gold title in the middle and no trace of the last picture.
    EXPECT_LT(qGray(last.pixel(10, 10)), 40);
    EXPECT_LT(qGray(last.pixel(470, 260)), 40);
    const int gold = countMatching(last, [](QRgb p) { return qRed(p) > 150 && qRed(p) > qBlue(p) + 50; });
    EXPECT_GT(gold, 500);
    const int scene = countMatching(last, [](QRgb p) {
        return std::abs(qRed(p) - kScene.red()) <= 6 && std::abs(qGreen(p) - kScene.green()) <= 6
               && std::abs(qBlue(p) - kScene.blue()) <= 6;
    });
    EXPECT_EQ(scene, 0);
}
