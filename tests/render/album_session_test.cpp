#include "render/album_session.h"

#include "app/base/failure.h"
#include "app/project/project_model.h"
#include "app/workspace/working_tree.h"
#include "render/album_renderer.h"
#include "render/encoder/ffmpeg_mcl.h"
#include "tests/encoder/media_probe.h"
#include "tests/render/render_fixtures.h"
#include "tests/support/jpeg_fixtures.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_tree.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

const QColor kRed(220, 30, 30);
const QColor kBlue(30, 30, 220);
const QColor kYellow(240, 220, 20);

QColor centre(const QImage &frame)
{
    return QColor(frame.pixel(frame.width() / 2, frame.height() / 2));
}

class AlbumSessionTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        working_tree::prepare(program);
        tree.writeFile(u"smxcwjj/tp_wjj/tp_wjj/tp_wjj_zuihou/w_j_zuihou.rar"_s, test::closingTemplate(30, kYellow));
        test::addInstance(tree, model, 1, 10, kRed, test::slotTemplate(10));
        test::addInstance(tree, model, 2, 12, kBlue, test::slotTemplate(12));
    }

    void addSong(double seconds)
    {
        const QString path = tree.abs(u"歌曲 一.mp3"_s);
        test::makeTone(path, seconds, 44100, 2);
        model.form1.ListView_daoru_yinyue.appendRow({u"1"_s, u"歌曲 一"_s, u".mp3"_s, path, u"00:00:06"_s,
                                                     QString::number(int(seconds) * 25), u"wu"_s, u"wu"_s});
    }

    AlbumRequest dvd() const
    {
        AlbumRequest request;
        request.kind = OutputKind::Dvd;
        request.videoOut = request.audioOut = tree.abs(u"我的 相册.mpg"_s);
        request.shownName = u"我的 相册"_s;
        request.width = 320;
        request.height = 176;
        return request;
    }

    TempTree tree;
    ProgramFolder program{tree.path()};
    ProjectModel model;
    FfmpegMcl library;
    QStringList log;
};

TEST_F(AlbumSessionTest, WritesADvdAlbumOfTheFrameBudgetWithTheTemplatesInOrder)
{
    addSong(6);
    int frames = 0;
    AlbumSessionHooks hooks;
    hooks.conversion.log = [this](const QString &line) { log << line; };
    hooks.frameMade = [&frames] { ++frames; };
    AlbumSession session(program, model, defaultTemplatePlayerFactory(), library, hooks);
    session.run(dvd());

    EXPECT_TRUE(log.contains(u"Conversion ended."_s)) << log.join(u'\n').toStdString();
    EXPECT_EQ(frames, 122);
    const test::ProbedFile probed = test::probeMedia(tree.abs(u"我的 相册.mpg"_s));
    const test::ProbedStream *video = probed.first(u"video"_s);
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->codec, u"mpeg2video"_s);
    EXPECT_EQ(QSize(video->width, video->height), QSize(320, 176));
    EXPECT_EQ(video->frameRate, u"25/1"_s);
    EXPECT_EQ(video->frames, 122);
    const test::ProbedStream *audio = probed.first(u"audio"_s);
    ASSERT_NE(audio, nullptr);
    EXPECT_NEAR(audio->duration, 122 / 25.0, 0.1) << "the song is cut to the photo-length album";

    const QImage opening = test::decodeFrame(tree.abs(u"我的 相册.mpg"_s), 0);
    AlbumRenderer reference({program, defaultTemplatePlayerFactory(), QSize(320, 176), {}}, model);
    EXPECT_LT(test::meanDifference(opening, reference.openingFrame()), 12);
    EXPECT_TRUE(test::near(centre(test::decodeFrame(tree.abs(u"我的 相册.mpg"_s), 5)), kRed));
    EXPECT_TRUE(test::near(centre(test::decodeFrame(tree.abs(u"我的 相册.mpg"_s), 15)), kBlue));
    EXPECT_TRUE(test::near(centre(test::decodeFrame(tree.abs(u"我的 相册.mpg"_s), 100)), kYellow));
}

TEST_F(AlbumSessionTest, StoppingMidwayLeavesNoAlbumBehind)
{
    AlbumSession *running = nullptr;
    int frames = 0;
    AlbumSessionHooks hooks;
    hooks.frameMade = [&] {
        if (++frames == 20)
            running->stop();
    };
    AlbumSession session(program, model, defaultTemplatePlayerFactory(), library, hooks);
    running = &session;
    session.run(dvd());
    EXPECT_LT(frames, 122);
    EXPECT_FALSE(QFile::exists(tree.abs(u"我的 相册.mpg"_s)));
}

TEST_F(AlbumSessionTest, UnwritableOutputEndsTheAlbumWithAMessageAndNoFile)
{
    AlbumRequest request = dvd();
    request.videoOut = request.audioOut = tree.abs(u"不存在的文件夹/相册.mpg"_s);
    AlbumSession session(program, model, defaultTemplatePlayerFactory(), library, {});
    try {
        session.run(request);
        ADD_FAILURE() << "the album was reported as made";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.message().contains(u"相册没有制作完成"_s)) << failure.message().toStdString();
    }
    EXPECT_FALSE(QFile::exists(request.videoOut));
}

} // namespace
