// Albums made by the real velumo-cli from photos and a song made here.
#include "tests/cli/cli_run.h"
#include "tests/encoder/media_probe.h"
#include "tests/support/jpeg_fixtures.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStringDecoder>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo::test;

namespace {

// The lines of a dump file, each split at its tabs.
QList<QStringList> readTsv(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "no file " << path.toStdString();
        return {};
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString text = utf8(file.readAll());
    EXPECT_FALSE(utf8.hasError()) << path.toStdString() << " is not UTF-8";
    QList<QStringList> lines;
    for (const QString &line : text.split(u'\n', Qt::SkipEmptyParts))
        lines << line.split(u'\t');
    return lines;
}

QString valueOf(const QList<QStringList> &values, const QString &name)
{
    for (const QStringList &line : values) {
        if (line.size() == 2 && line[0] == name)
            return line[1];
    }
    ADD_FAILURE() << "no value " << name.toStdString();
    return {};
}

class AlbumRunTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        // Two landscape photos, one of them stored sideways, and a portrait one.
        cli.tree().writeFile(u"in/横 1.jpg"_s, encodeJpeg(quadrantPicture(QSize(400, 300))));
        cli.tree().writeFile(u"in/竖.jpg"_s, encodeJpeg(quadrantPicture(QSize(300, 400))));
        cli.tree().writeFile(u"in/横 2.jpg"_s, encodeJpeg(quadrantPicture(QSize(300, 400)), {JpegColour::Rgb, false, 6, 90}));
        cli.tree().writeFile(u"in/坏的.jpg"_s, "this is no photo");
        makeTone(cli.abs(u"in/歌.mp3"_s), 3, 44100, 2);
        cli.tree().makeFolder(u"out"_s);
    }

    QStringList photos() const
    {
        return {cli.abs(u"in/横 1.jpg"_s), cli.abs(u"in/坏的.jpg"_s), cli.abs(u"in/竖.jpg"_s), cli.abs(u"in/横 2.jpg"_s)};
    }

    bool tempFolderEmpty() const { return QDir(cli.tempFolder()).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden); }

    CliFolder cli;
};

TEST_F(AlbumRunTest, DvdAlbumHoldsTheRenderBudgetAndTheDumpShowsTheRun)
{
    // A file the program's own working tree holds must survive: the run works elsewhere.
    cli.tree().writeFile(u"prog/smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar"_s, "the program's");

    const CliResult result = cli.run(QStringList{u"--size"_s, u"320x176"_s, u"--seed"_s, u"5"_s, u"--output"_s,
                                                 cli.abs(u"out/我的 相册"_s), u"--dump-tables"_s, cli.abs(u"dump"_s)}
                                     + photos() + QStringList{cli.abs(u"in/歌.mp3"_s)});
    ASSERT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QString album = cli.abs(u"out/我的 相册.mpg"_s);
    EXPECT_TRUE(result.out.contains(QDir::toNativeSeparators(album))) << result.out.toStdString();
    EXPECT_TRUE(result.err.contains(u"坏的.jpg"_s)) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(u"帧/秒"_s)) << "no progress line";

    // The budget as the render worked it out: the template frames plus the closing 100.
    const QList<QStringList> usage = readTsv(cli.abs(u"dump/frmMain.ListView_moban_shiyong_shuliang.tsv"_s));
    ASSERT_GE(usage.size(), 2) << "captions and one row per template instance";
    EXPECT_EQ(usage[0][7], u"模板swf总帧数"_s);
    int budget = 100;
    for (qsizetype row = 1; row < usage.size(); ++row)
        budget += usage[row][7].toInt();
    const QList<QStringList> values = readTsv(cli.abs(u"dump/values.tsv"_s));
    EXPECT_EQ(valueOf(values, u"frmMain.Edit_Num"_s).toInt(), budget);

    const ProbedFile probed = probeMedia(album);
    const ProbedStream *video = probed.first(u"video"_s);
    ASSERT_NE(video, nullptr);
    EXPECT_EQ(video->codec, u"mpeg2video"_s);
    EXPECT_EQ(QSize(video->width, video->height), QSize(320, 176));
    EXPECT_EQ(video->frameRate, u"25/1"_s);
    EXPECT_EQ(video->frames, budget);
    ASSERT_NE(probed.first(u"audio"_s), nullptr);

    // The dump: captions first, every line as wide as the captions, the run's settings.
    const QList<QStringList> photoTable = readTsv(cli.abs(u"dump/Form1.ListView_daoruxiangpian.tsv"_s));
    EXPECT_EQ(photoTable.size(), 4) << "the bad photo was not added";
    for (const QString &file : QDir(cli.abs(u"dump"_s)).entryList(QDir::Files)) {
        const QList<QStringList> lines = readTsv(cli.abs(u"dump/"_s) + file);
        ASSERT_FALSE(lines.isEmpty()) << file.toStdString();
        for (const QStringList &line : lines)
            EXPECT_EQ(line.size(), lines[0].size()) << file.toStdString();
    }
    const QList<QStringList> songs = readTsv(cli.abs(u"dump/Form1.ListView_daoru_yinyue.tsv"_s));
    ASSERT_EQ(songs.size(), 2);
    EXPECT_EQ(songs[0].join(u'|'), u"序号|音乐文件名|类型|位置|音乐时间|需要帧数|绑定歌词|绑定歌词名称"_s);
    EXPECT_EQ(songs[1].mid(0, 6).join(u'|'), u"1|歌|.mp3|"_s + cli.abs(u"in/歌.mp3"_s) + u"|00:00:03|75"_s);
    EXPECT_EQ(values[0].join(u'|'), u"名称|值"_s);
    EXPECT_EQ(valueOf(values, u"Form39.Edit_chicun_width"_s), u"320"_s);
    EXPECT_EQ(valueOf(values, u"Form1.Edit_VCDSVCDDVD_leixing"_s), u"DVD"_s);
    // Windows that keep a value of the same name each have their own line.
    valueOf(values, u"Form12.Edit_delete_leixing"_s);
    valueOf(values, u"Form13.Edit_delete_leixing"_s);

    EXPECT_TRUE(cli.tree().exists(u"prog/smxcwjj/tp_wjj/tp_wjj/tp_wjj_1/w_j_1.rar"_s));
    EXPECT_TRUE(tempFolderEmpty()) << "the run's working folder stayed behind";
}

TEST_F(AlbumRunTest, SameSeedDrawsTheSameTemplates)
{
    const auto drawn = [this](const QString &dump) {
        const CliResult result = cli.run(QStringList{u"--size"_s, u"320x176"_s, u"--seed"_s, u"11"_s, u"--output"_s,
                                                     cli.abs(u"out/"_s) + dump, u"--dump-tables"_s, cli.abs(dump)}
                                         + photos());
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        QStringList templates;
        for (const QStringList &row : readTsv(cli.abs(dump + u"/frmMain.ListView_moban_shiyong_shuliang.tsv"_s)))
            templates << row.value(2);
        return templates;
    };
    const QStringList first = drawn(u"a"_s);
    EXPECT_GT(first.size(), 1);
    EXPECT_EQ(drawn(u"b"_s), first);
}

TEST_F(AlbumRunTest, UnwritableOutputEndsWithAMessageAndNoAlbum)
{
    const CliResult result = cli.run(QStringList{u"--size"_s, u"320x176"_s, u"--output"_s,
                                                 cli.abs(u"out/没有的文件夹/相册"_s)} + photos());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(u"相册没有制作完成"_s)) << result.err.toStdString();
    EXPECT_FALSE(result.out.contains(u"相册已制作完成"_s));
    EXPECT_TRUE(QDir(cli.abs(u"out"_s)).isEmpty());
    EXPECT_TRUE(tempFolderEmpty());
}

TEST_F(AlbumRunTest, NoUsablePhotoEndsWithTheProgramsMessage)
{
    const CliResult result = cli.run({u"--output"_s, cli.abs(u"out/相册"_s), cli.abs(u"in/坏的.jpg"_s)});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_TRUE(result.err.contains(u"坏的.jpg"_s)) << result.err.toStdString();
    EXPECT_TRUE(result.err.contains(u"没有添加相片文件！"_s)) << result.err.toStdString();
    EXPECT_TRUE(QDir(cli.abs(u"out"_s)).isEmpty());
}

TEST_F(AlbumRunTest, StoppedRunLeavesNeitherPicturesNorWorkingFolder)
{
    QProcess process;
    process.setProcessEnvironment(cli.environment());
    // A large size keeps the run going for seconds, long enough to be stopped midway.
    process.start(cli.programPath(), QStringList{u"--kind"_s, u"JPG"_s, u"--size"_s, u"1920x1080"_s, u"--output"_s,
                                                 cli.abs(u"out/序列"_s)} + photos());
    ASSERT_TRUE(process.waitForStarted());
    // Stopped once frames are being written, which the progress line on stderr tells.
    process.setReadChannel(QProcess::StandardError);
    QByteArray err;
    while (!err.contains("帧/秒") && process.waitForReadyRead(30000))
        err += process.readAllStandardError();
    process.terminate();
    ASSERT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 1);
    EXPECT_TRUE(QString::fromUtf8(err + process.readAllStandardError()).contains(u"已停止"_s));
    EXPECT_FALSE(cli.tree().exists(u"out/序列"_s));
    EXPECT_TRUE(tempFolderEmpty());
}

} // namespace
