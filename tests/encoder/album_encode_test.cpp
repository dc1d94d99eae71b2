// Short albums encoded for real through the render window's conversion sequence and checked
// with ffprobe and by decoding frames.
#include "tests/encoder/album_fixture.h"
#include "tests/encoder/media_probe.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_tree.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {
namespace {

constexpr int kFrames = 50; // two seconds at 25 a second
const QSize kSize(320, 176);

struct VideoCase
{
    const char *name;
    const char *kind;
    const char *standard;
    const char *quality;
    const char *extension;
    const char *videoCodec;
    const char *audioCodec;
    int sampleRate;
    const char *frameRate;
    int outputFrames;
};

void PrintTo(const VideoCase &c, std::ostream *out)
{
    *out << c.name;
}

class VideoAlbum : public ::testing::TestWithParam<VideoCase>
{
protected:
    TempTree tree;
    FfmpegMcl library;
};

TEST_P(VideoAlbum, HasTheKindsStreamsSizeRateLengthAndFrames)
{
    const VideoCase &c = GetParam();
    tree.makeFolder(u"tp_load"_s);
    const QString frameFile = tree.abs(u"tp_load/tp_load_1.bmp"_s);
    const QString song = tree.abs(u"歌 1.mp3"_s);
    makeTone(song, 3.0, 44100, 2);
    const QString output = tree.abs(u"相册."_s + QString::fromLatin1(c.extension));
    ConversionRequest request = albumRequest(QString::fromLatin1(c.kind), output, kFrames, frameFile, kSize, {song});
    request.tvStandard = QString::fromLatin1(c.standard);
    request.quality = QString::fromLatin1(c.quality);

    const AlbumRun run = renderAlbum(library, request, frameFile, kSize, HandOver::InMemory, QSize(640, 352));

    EXPECT_EQ(run.renderSteps, kFrames);
    EXPECT_TRUE(run.log.contains(u"Conversion ended."_s)) << run.log.join(u'\n').toStdString();
    const ProbedFile probed = probeMedia(output);
    const ProbedStream *video = probed.first(u"video"_s);
    const ProbedStream *audio = probed.first(u"audio"_s);
    ASSERT_TRUE(video && audio) << run.log.join(u'\n').toStdString();
    EXPECT_EQ(video->codec, QString::fromLatin1(c.videoCodec));
    EXPECT_EQ(QSize(video->width, video->height), kSize);
    EXPECT_EQ(video->frameRate, QString::fromLatin1(c.frameRate));
    EXPECT_EQ(video->frames, c.outputFrames);
    EXPECT_EQ(audio->codec, QString::fromLatin1(c.audioCodec));
    EXPECT_EQ(audio->sampleRate, c.sampleRate);
    EXPECT_EQ(audio->channels, 2);
    // Photo-length mode: the three-second song is cut at the video's two seconds.
    EXPECT_NEAR(probed.duration, 2.0, 0.06);
    EXPECT_NEAR(audio->duration, 2.0, 0.04);
    if (QString::fromLatin1(c.extension) == u"avi"_s) {
        EXPECT_EQ(video->codecTag, u"XVID"_s);
    }
}

TEST_P(VideoAlbum, ShowsEachAlbumFrameAtItsTime)
{
    const VideoCase &c = GetParam();
    tree.makeFolder(u"tp_load"_s);
    const QString frameFile = tree.abs(u"tp_load/tp_load_1.bmp"_s);
    const QString output = tree.abs(u"album."_s + QString::fromLatin1(c.extension));
    ConversionRequest request = albumRequest(QString::fromLatin1(c.kind), output, kFrames, frameFile, kSize);
    request.tvStandard = QString::fromLatin1(c.standard);
    request.quality = QString::fromLatin1(c.quality);
    renderAlbum(library, request, frameFile, kSize, HandOver::InMemory);

    // Output frame n shows the album frame of its time; on NTSC frames repeat to keep it.
    const bool ntsc = QString::fromLatin1(c.standard) == u"NTSC"_s;
    for (const int n : {0, 7, 23, c.outputFrames - 1}) {
        const int shown = ntsc ? n * 1001 / 1200 : n;
        const QImage decoded = decodeFrame(output, n);
        const double own = meanDifference(decoded, albumFrame(shown, kSize));
        EXPECT_LT(own, 12.0) << "output frame " << n;
        EXPECT_LT(own, meanDifference(decoded, albumFrame(shown + 1, kSize))) << "output frame " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, VideoAlbum,
    ::testing::Values(
        VideoCase{"VcdPalNormal", "VCD", "PAL", "yiban_huazhi", "mpg", "mpeg1video", "mp2", 44100, "25/1", 50},
        VideoCase{"VcdPalHigh", "VCD", "PAL", "gaoqing_huazhi", "mpg", "mpeg1video", "mp2", 44100, "25/1", 50},
        VideoCase{"SvcdPalHigh", "SVCD", "PAL", "gaoqing_huazhi", "mpg", "mpeg2video", "mp2", 44100, "25/1", 50},
        VideoCase{"DvdPalHigh", "DVD", "PAL", "gaoqing_huazhi", "mpg", "mpeg2video", "mp2", 48000, "25/1", 50},
        VideoCase{"DvdNtscHigh", "DVD", "NTSC", "gaoqing_huazhi", "mpg", "mpeg2video", "ac3", 48000, "30000/1001", 60},
        VideoCase{"SvcdNtscNormal", "SVCD", "NTSC", "yiban_huazhi", "mpg", "mpeg2video", "mp2", 44100, "30000/1001", 60},
        VideoCase{"AviNormal", "AVI", "PAL", "yiban_huazhi", "avi", "mpeg4", "mp3", 44100, "25/1", 50}),
    [](const ::testing::TestParamInfo<VideoCase> &param) { return std::string(param.param.name); });

class PictureAlbum : public ::testing::TestWithParam<const char *>
{
protected:
    TempTree tree;
    FfmpegMcl library;
};

TEST_P(PictureAlbum, WritesNumberedPicturesOfTheFrames)
{
    const QString format = QString::fromLatin1(GetParam());
    tree.makeFolder(u"tp_load"_s);
    tree.makeFolder(u"序列"_s);
    const QString frameFile = tree.abs(u"tp_load/tp_load_1.bmp"_s);
    const QString first = tree.abs(u"序列/01."_s + format);
    ConversionRequest request = albumRequest(u"XLTP"_s, first, 12, frameFile, kSize);
    request.quality = u"gaoqing_huazhi"_s;

    renderAlbum(library, request, frameFile, kSize, HandOver::FrameFile, QSize(640, 352));

    QStringList expected;
    for (int i = 1; i <= 12; ++i)
        expected.append(u"%1.%2"_s.arg(i, 2, 10, QChar(u'0')).arg(format));
    EXPECT_EQ(QDir(tree.abs(u"序列"_s)).entryList(QDir::Files, QDir::Name), expected);
    for (const int i : {0, 5, 11}) {
        const QString picture = tree.abs(u"序列/"_s + expected.at(i));
        const ProbedFile probed = probeMedia(picture);
        ASSERT_FALSE(probed.streams.empty());
        EXPECT_EQ(QSize(probed.streams[0].width, probed.streams[0].height), kSize);
        const double tolerance = format == u"jpg"_s ? 6.0 : 0.5;
        EXPECT_LT(meanDifference(decodeFrame(picture, 0), albumFrame(i, kSize)), tolerance) << "picture " << i + 1;
    }
    if (format == u"bmp"_s) {
        QFile bmp(tree.abs(u"序列/01.bmp"_s));
        ASSERT_TRUE(bmp.open(QIODevice::ReadOnly));
        EXPECT_EQ(uchar(bmp.readAll().at(28)), 24); // bits per pixel
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, PictureAlbum, ::testing::Values("jpg", "bmp", "tga", "pcx"));

class AlbumLength : public ::testing::Test
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

    ProbedFile render(const ConversionRequest &request, HandOver handOver = HandOver::InMemory)
    {
        renderAlbum(library, request, frameFile, kSize, handOver);
        return probeMedia(request.videoOut);
    }
};

TEST_F(AlbumLength, NtscLastsAsLongAsPal)
{
    ConversionRequest pal = albumRequest(u"DVD"_s, tree.abs(u"pal.mpg"_s), kFrames, frameFile, kSize);
    ConversionRequest ntsc = albumRequest(u"DVD"_s, tree.abs(u"ntsc.mpg"_s), kFrames, frameFile, kSize);
    ntsc.tvStandard = u"NTSC"_s;
    // The length of a video: its frames times the frame duration.
    const ProbedStream palVideo = *render(pal).first(u"video"_s);
    const ProbedStream ntscVideo = *render(ntsc).first(u"video"_s);
    ASSERT_EQ(palVideo.frameRate, u"25/1"_s);
    ASSERT_EQ(ntscVideo.frameRate, u"30000/1001"_s);
    EXPECT_NEAR(double(ntscVideo.frames) * 1001.0 / 30000.0, double(palVideo.frames) / 25.0, 1001.0 / 30000.0);
}

TEST_F(AlbumLength, SongsAreJoinedInOrderAndKeptWholeInTheMusicLengthMode)
{
    // A 48 kHz mono song after a 44.1 kHz stereo one, 1.7 s of music under a 1 s video.
    const QString first = tree.abs(u"first.mp3"_s);
    const QString second = tree.abs(u"second.mp3"_s);
    makeTone(first, 0.8, 44100, 2, 440);
    makeTone(second, 0.9, 48000, 1, 880);
    ConversionRequest request = albumRequest(u"VCD"_s, tree.abs(u"music.mpg"_s), 25, frameFile, kSize, {first, second});
    request.photoLengthMode = false;
    const ProbedFile probed = render(request);
    ASSERT_TRUE(probed.first(u"audio"_s));
    EXPECT_NEAR(probed.first(u"audio"_s)->duration, 1.7, 0.06);
    EXPECT_EQ(probed.first(u"video"_s)->frames, 25);
}

TEST_F(AlbumLength, ShortSongsArePaddedWithSilenceToTheVideo)
{
    const QString song = tree.abs(u"short.mp3"_s);
    makeTone(song, 0.5, 44100, 2);
    const ProbedFile probed =
        render(albumRequest(u"AVI"_s, tree.abs(u"padded.avi"_s), kFrames, frameFile, kSize, {song}));
    ASSERT_TRUE(probed.first(u"audio"_s));
    EXPECT_NEAR(probed.first(u"audio"_s)->duration, 2.0, 0.06);
}

TEST_F(AlbumLength, AnAlbumWithoutSongsHasASilentTrackAsLongAsTheVideo)
{
    const ProbedFile probed = render(albumRequest(u"DVD"_s, tree.abs(u"quiet.mpg"_s), kFrames, frameFile, kSize));
    ASSERT_TRUE(probed.first(u"audio"_s));
    EXPECT_NEAR(probed.first(u"audio"_s)->duration, 2.0, 0.04);
    EXPECT_EQ(probed.first(u"video"_s)->frames, kFrames);
}

TEST_F(AlbumLength, FramesReadFromTheFrameFileGiveTheSameAlbumAsFramesHandedOverInMemory)
{
    ConversionRequest fromFile = albumRequest(u"DVD"_s, tree.abs(u"file.mpg"_s), 20, frameFile, kSize);
    ConversionRequest inMemory = albumRequest(u"DVD"_s, tree.abs(u"memory.mpg"_s), 20, frameFile, kSize);
    render(fromFile, HandOver::FrameFile);
    render(inMemory, HandOver::InMemory);
    for (const int n : {0, 1, 19})
        EXPECT_LT(meanDifference(decodeFrame(fromFile.videoOut, n), decodeFrame(inMemory.videoOut, n)), 0.01);
}

} // namespace
} // namespace velumo::test
