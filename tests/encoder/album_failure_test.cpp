// Outside failures and stops: a clear error line for the user and no album left behind.
#include "render/conversion/conversion_sequence.h"
#include "tests/encoder/album_fixture.h"
#include "tests/encoder/media_probe.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {
namespace {

const QSize kSize(320, 176);

class AlbumFailure : public ::testing::Test
{
protected:
    TempTree tree;
    FfmpegMcl library;
    QString frameFile;

    void SetUp() override
    {
        tree.makeFolder(u"tp_load"_s);
        frameFile = tree.abs(u"tp_load/tp_load_1.bmp"_s);
    }

    // The error lines of a run: the error callback's line, then the same text once more.
    static QStringList errorLines(const AlbumRun &run, const QString &marker)
    {
        QStringList lines;
        for (const QString &line : run.log) {
            if (line.contains(marker))
                lines.append(line);
        }
        return lines;
    }
};

TEST_F(AlbumFailure, AMissingOutputFolderIsReportedAndNothingIsWritten)
{
    const QString output = tree.abs(u"gone/album.mpg"_s);
    const AlbumRun run = renderAlbum(library, albumRequest(u"DVD"_s, output, 10, frameFile, kSize), frameFile, kSize,
                                     HandOver::InMemory);
    const QStringList errors = errorLines(run, u"无法创建输出文件"_s);
    ASSERT_EQ(errors.size(), 2) << run.log.join(u'\n').toStdString();
    EXPECT_EQ(errors.at(0), u"无法创建输出文件“%1”：文件夹不存在。"_s.arg(output));
    EXPECT_EQ(run.log.last(), u"Conversion ended."_s);
    EXPECT_FALSE(QFile::exists(output));
    EXPECT_LE(run.renderSteps, 3); // the failure ends the render, not the album's last frame
}

TEST_F(AlbumFailure, AFullDiskIsReportedAndThePartialFileRemoved)
{
    // A file size limit makes writes fail as on a full disk.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 64 * 1024;
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    const QString output = tree.abs(u"full.mpg"_s);
    ConversionRequest request = albumRequest(u"DVD"_s, output, 50, frameFile, kSize);
    const AlbumRun run = renderAlbum(library, request, frameFile, kSize, HandOver::InMemory);
    setrlimit(RLIMIT_FSIZE, &previous);

    const QStringList errors = errorLines(run, u"磁盘空间不足"_s);
    ASSERT_FALSE(errors.isEmpty()) << run.log.join(u'\n').toStdString();
    EXPECT_EQ(errors.at(0), u"写入输出文件“%1”失败：磁盘空间不足。"_s.arg(output));
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(AlbumFailure, AFullDiskEndsAPictureSequenceWithoutLeavingPictures)
{
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit previous{};
    getrlimit(RLIMIT_FSIZE, &previous);
    rlimit small = previous;
    small.rlim_cur = 100 * 1024; // a few 170 KB BMPs do not fit
    tree.makeFolder(u"pics"_s);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    ConversionRequest request = albumRequest(u"XLTP"_s, tree.abs(u"pics/01.bmp"_s), 10, frameFile, kSize);
    const AlbumRun run = renderAlbum(library, request, frameFile, kSize, HandOver::InMemory);
    setrlimit(RLIMIT_FSIZE, &previous);

    EXPECT_FALSE(errorLines(run, u"磁盘空间不足"_s).isEmpty()) << run.log.join(u'\n').toStdString();
    EXPECT_TRUE(tree.isEmptyFolder(u"pics"_s));
}

TEST_F(AlbumFailure, StoppingMidwayRemovesThePartialAlbum)
{
    for (const QString &name : {u"stop.mpg"_s, u"stop.avi"_s, u"seq/01.jpg"_s}) {
        SCOPED_TRACE(name.toStdString());
        tree.makeFolder(u"seq"_s);
        const QString output = tree.abs(name);
        const QString kind = name.endsWith(u"avi"_s) ? u"AVI"_s : name.endsWith(u"jpg"_s) ? u"XLTP"_s : u"DVD"_s;
        const AlbumRun run = renderAlbum(library, albumRequest(kind, output, 50, frameFile, kSize), frameFile, kSize,
                                         HandOver::InMemory, {}, [](qint64 step, const std::function<void()> &stop) {
                                             if (step == 20)
                                                 stop();
                                         });
        EXPECT_EQ(run.renderSteps, 21);
        EXPECT_EQ(library.MclGetError(), 0);
        EXPECT_EQ(run.log.last(), u"Conversion ended."_s);
        EXPECT_FALSE(QFile::exists(output));
        EXPECT_TRUE(tree.isEmptyFolder(u"seq"_s));
    }
}

TEST_F(AlbumFailure, AVanishedSongIsReportedByName)
{
    const QString song = tree.abs(u"gone.mp3"_s);
    const QString output = tree.abs(u"album.mpg"_s);
    const AlbumRun run = renderAlbum(library, albumRequest(u"VCD"_s, output, 10, frameFile, kSize, {song}), frameFile,
                                     kSize, HandOver::InMemory);
    EXPECT_EQ(errorLines(run, u"无法读取音乐文件"_s).value(0), u"无法读取音乐文件“%1”。"_s.arg(song));
    EXPECT_TRUE(run.log.contains(u"Total samples: 0"_s));
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(AlbumFailure, AMissingFramePictureIsReported)
{
    const QString output = tree.abs(u"album.mpg"_s);
    ConversionRequest request = albumRequest(u"DVD"_s, output, 5, frameFile, kSize);
    request.videoLines[3] = tree.abs(u"tp_load/missing.bmp"_s);
    const AlbumRun run = renderAlbum(library, request, frameFile, kSize, HandOver::InMemory);
    EXPECT_EQ(errorLines(run, u"无法读取画面文件"_s).value(0),
              u"无法读取画面文件“%1”。"_s.arg(tree.abs(u"tp_load/missing.bmp"_s)));
    EXPECT_EQ(run.renderSteps, 3);
    EXPECT_FALSE(QFile::exists(output));
}

TEST_F(AlbumFailure, AnOutputNameOfNoKnownKindIsReported)
{
    const QString output = tree.abs(u"album.xyz"_s);
    const AlbumRun run = renderAlbum(library, albumRequest(u"XLTP"_s, output, 5, frameFile, kSize), frameFile, kSize,
                                     HandOver::InMemory);
    EXPECT_EQ(errorLines(run, u"不支持"_s).value(0), u"不支持的输出文件类型：“%1”。"_s.arg(output));
    EXPECT_EQ(run.renderSteps, 0);
}

} // namespace
} // namespace velumo::test
