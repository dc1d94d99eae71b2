#include "render/album_renderer.h"

#include "app/project/photo_columns.h"
#include "app/project/project_model.h"
#include "app/workspace/working_tree.h"
#include "templates/template_catalogue.h"
#include "tests/render/render_fixtures.h"
#include "tests/support/jpeg_fixtures.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <QImageReader>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace std::chrono_literals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

namespace pc = photo_column;

const QSize kOutput(640, 360);
const QColor kRed(220, 30, 30);
const QColor kBlue(30, 30, 220);
const QColor kYellow(240, 220, 20);

class AlbumRendererTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        working_tree::prepare(program);
        writeMovie(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/w_j_zuihou.rar"_s, test::closingTemplate(30, kYellow));
    }

    void writeMovie(const QString &relative, const QByteArray &movie) { tree.writeFile(relative, movie); }

    void addInstance(int n, int frames, QColor colour, const QByteArray &movie)
    {
        test::addInstance(tree, model, n, frames, colour, movie);
    }

    AlbumRenderer renderer(std::chrono::milliseconds handshakeWait = 3000ms)
    {
        return AlbumRenderer({program, defaultTemplatePlayerFactory(), kOutput, {}, handshakeWait}, model);
    }

    // Every frame of the album, as the encoder would take them.
    std::vector<QImage> renderAll(AlbumRenderer &album)
    {
        const RenderPlan &plan = album.start();
        std::vector<QImage> frames{album.openingFrame()};
        while (int(frames.size()) < plan.frameBudget)
            frames.push_back(album.step());
        return frames;
    }

    static QColor centre(const QImage &frame) { return QColor(frame.pixel(frame.width() / 2, frame.height() / 2)); }

    TempTree tree;
    ProgramFolder program{tree.path()};
    ProjectModel model;
};

TEST_F(AlbumRendererTest, PlaysEveryInstanceFrameByFrameThenTheClosingTemplateToTheBudget)
{
    addInstance(1, 10, kRed, test::slotTemplate(10));
    addInstance(2, 12, kBlue, test::slotTemplate(12));
    AlbumRenderer album = renderer();
    const std::vector<QImage> frames = renderAll(album);

    ASSERT_EQ(frames.size(), size_t(122));
    EXPECT_EQ(frames[0], album.openingFrame());
    for (size_t i = 1; i < frames.size(); ++i) {
        const QColor expected = i <= 10 ? kRed : i <= 22 ? kBlue : kYellow;
        ASSERT_TRUE(test::near(centre(frames[i]), expected)) << "frame " << i << " " << centre(frames[i]).name().toStdString();
    }
    // The first template opens on the opening picture: its corners show through.
    EXPECT_TRUE(test::near(QColor(frames[1].pixel(5, 5)), QColor(frames[0].pixel(5, 5)), 30));

    // The scene picture is the clean last frame of the template before the closing one.
    QImageReader scene(tree.abs(u"smxcwjj/tp_wjj/pic/picture_0.rar"_s));
    const QImage picture = scene.read();
    ASSERT_EQ(picture.size(), QSize(1920, 1080));
    EXPECT_TRUE(test::near(centre(picture), kBlue));

    const HostLog &log = album.hostLog();
    ASSERT_EQ(log.playerCreations.size(), 6);
    EXPECT_EQ(log.playerCreations.at(0), u"1B-卸载创建的FLASH完成！"_s);
    EXPECT_EQ(log.playerCreations.at(1), u"2B-创建FLASH控件完成！"_s);
    EXPECT_TRUE(log.failures.isEmpty());
    EXPECT_EQ(model.frmMain.Edit_Num.text(), u"121"_s);
    EXPECT_EQ(model.frmMain.Edit_shijian.text(), u"00:04"_s);
    EXPECT_EQ(model.frmMain.Edit_zuihoumoban_kaiguan.text(), u"tongguo"_s);
}

TEST_F(AlbumRendererTest, UnplayableTemplatesAreLoggedAndSkippedAndTheAlbumKeepsItsLength)
{
    addInstance(1, 10, kBlue, {});                              // movie missing
    addInstance(2, 10, kBlue, test::silentMovie(10, true));     // never reports its pictures
    addInstance(3, 10, kRed, test::slotTemplate(10));
    AlbumRenderer album = renderer(300ms);
    const std::vector<QImage> frames = renderAll(album);

    ASSERT_EQ(frames.size(), size_t(130));
    EXPECT_TRUE(test::near(centre(frames[1]), kRed));
    EXPECT_TRUE(test::near(centre(frames[11]), kYellow));
    const QStringList lines = album.takeLogLines();
    ASSERT_EQ(lines.size(), 2);
    EXPECT_TRUE(lines.at(0).contains(u"w_j_1.rar"_s)) << lines.at(0).toStdString();
    EXPECT_TRUE(lines.at(1).contains(u"w_j_2.rar"_s)) << lines.at(1).toStdString();
}

TEST_F(AlbumRendererTest, WhenNothingMoreCanPlayTheLastGoodPictureStays)
{
    addInstance(1, 10, kRed, test::slotTemplate(10));
    addInstance(2, 10, kBlue, {}); // movie missing
    QFile::remove(tree.abs(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/w_j_zuihou.rar"_s));
    AlbumRenderer album = renderer(300ms);
    const std::vector<QImage> frames = renderAll(album);

    ASSERT_EQ(frames.size(), size_t(120));
    for (const size_t i : {size_t(9), size_t(10), size_t(60), size_t(119)})
        EXPECT_TRUE(test::near(centre(frames[i]), kRed)) << "frame " << i << " " << centre(frames[i]).name().toStdString();
}

TEST_F(AlbumRendererTest, MusicLengthAlbumsLoopOrHoldTheirTemplatesAndEndOnTheClosingOne)
{
    addInstance(1, 10, kRed, test::slotTemplate(10));
    addInstance(2, 12, kBlue, test::slotTemplate(12));
    model.form1.ListView_daoru_yinyue.appendRow(
        {u"1"_s, u"song"_s, u".mp3"_s, u"/m/a.mp3"_s, u"00:00:12"_s, u"300"_s, u"wu"_s, u"wu"_s});
    struct Case
    {
        bool loopPictures;
        std::vector<std::pair<int, QColor>> frames;
    };
    const Case cases[] = {
        {true, {{5, kRed}, {15, kBlue}, {25, kRed}, {35, kBlue}, {199, kRed}, {200, kRed}, {201, kYellow}, {299, kYellow}}},
        {false, {{5, kRed}, {15, kBlue}, {25, kYellow}, {120, kYellow}, {299, kYellow}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.loopPictures);
        AlbumRenderer album({program, defaultTemplatePlayerFactory(), kOutput, {false, false, c.loopPictures}, 3000ms},
                            model);
        const std::vector<QImage> frames = renderAll(album);
        ASSERT_EQ(frames.size(), size_t(300));
        for (const auto &[index, colour] : c.frames)
            EXPECT_TRUE(test::near(centre(frames[size_t(index)]), colour)) << "frame " << index;
    }
}

TEST_F(AlbumRendererTest, ScenePictureCarriesNoLyricLine)
{
    addInstance(1, 40, kBlue, test::slotTemplate(40));
    tree.writeFile(u"song.lrc"_s, "[00:01.00]歌词歌词歌词歌词\n");
    model.form1.ListView_daoru_yinyue.appendRow(
        {u"1"_s, u"song"_s, u".mp3"_s, u"/m/a.mp3"_s, u"00:00:10"_s, u"250"_s, u"key"_s, u"lyric"_s});
    // White, size 20, centred at the middle of the frame: right over the photo.
    model.form1.ListView_daoru_LRC.appendRow({u"1"_s, u"lyric"_s, u".lrc"_s, tree.abs(u"song.lrc"_s), u"key"_s,
                                              u"song"_s, u"clWhite"_s, u"16777215"_s, u"20"_s, u"黑体"_s, u"cuti"_s,
                                              u"wu"_s, u"wu"_s, u"juzhong"_s, u"zhongjian"_s});
    AlbumRenderer album = renderer();
    const RenderPlan &plan = album.start();
    QImage lastTemplateFrame;
    for (int i = 1; i <= 40 && i < plan.frameBudget; ++i)
        lastTemplateFrame = album.step();

    const auto whitePixels = [](const QImage &image) {
        int count = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                count += QColor(image.pixel(x, y)).lightness() > 240 ? 1 : 0;
        return count;
    };
    EXPECT_GT(whitePixels(lastTemplateFrame), 100) << "the album frame shows the line";
    const QImage scene = QImageReader(tree.abs(u"smxcwjj/tp_wjj/pic/picture_0.rar"_s)).read();
    ASSERT_EQ(scene.size(), QSize(1920, 1080));
    EXPECT_EQ(whitePixels(scene.scaled(kOutput)), 0) << "the scene picture does not";
}

TEST_F(AlbumRendererTest, MovieWithoutTheTemplateMarkerEndsTheRender)
{
    addInstance(1, 10, kRed, test::silentMovie(10, false));
    AlbumRenderer album = renderer(300ms);
    EXPECT_THROW(album.start(), TemplateMarkerMissing);
}

} // namespace
