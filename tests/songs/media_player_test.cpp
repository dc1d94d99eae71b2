// The media player on real MP3 files made with ffmpeg: measuring, refusing what is not a
// playable MP3, and the position clock of a machine without sound.
#include "players/audio/ffmpeg_media_player.h"
#include "players/audio/song_decoder.h"

#include "app/base/failure.h"
#include "tests/songs/song_fixtures.h"
#include "tests/support/temp_tree.h"

#include <QFile>
#include <QThread>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

QString refusalOf(const QString &path)
{
    try {
        measureSongMs(path);
    } catch (const Failure &failure) {
        return failure.message();
    }
    return QString();
}

} // namespace

TEST(SongLength, IsMeasuredToTheMillisecondWithoutTheEncodersPadding)
{
    TempTree tree;
    const struct
    {
        double seconds;
        qint64 ms;
    } cases[] = {{2.5, 2500}, {59.999, 59999}};
    for (const auto &c : cases) {
        const QString path = tree.abs(u"tone %1.mp3"_s.arg(c.seconds));
        ASSERT_TRUE(test::writeToneMp3(path, c.seconds));
        EXPECT_EQ(measureSongMs(path), c.ms) << c.seconds;
    }
}

TEST(SongLength, NamesInUnicodeAndWithColonsOpen)
{
    TempTree tree;
    const QString path = tree.abs(u"歌 1:ü.mp3"_s);
    ASSERT_TRUE(test::writeToneMp3(path, 1.0));
    EXPECT_EQ(measureSongMs(path), 1000);
}

TEST(SongLength, FilesThatAreNotPlayableMp3AreRefusedByName)
{
    TempTree tree;
    ASSERT_TRUE(test::writeToneMp3(tree.abs(u"whole.mp3"_s), 6.0));
    QFile whole(tree.abs(u"whole.mp3"_s));
    ASSERT_TRUE(whole.open(QIODevice::ReadOnly));
    const QByteArray bytes = whole.readAll();

    tree.writeFile(u"empty.mp3"_s, QByteArray());
    tree.writeFile(u"half.mp3"_s, bytes.left(bytes.size() / 2));
    tree.writeFile(u"header only.mp3"_s, bytes.left(400));
    tree.writeFile(u"text.mp3"_s, "this is not a song\n");
    ASSERT_TRUE(test::writeToneWav(tree.abs(u"wave.mp3"_s), 1.0));

    for (const QString &name : {u"empty.mp3"_s, u"half.mp3"_s, u"header only.mp3"_s, u"text.mp3"_s, u"wave.mp3"_s}) {
        const QString message = refusalOf(tree.abs(name));
        EXPECT_TRUE(message.contains(name)) << name.toStdString() << ": " << message.toStdString();
    }
    EXPECT_TRUE(refusalOf(tree.abs(u"missing.mp3"_s)).contains(u"missing.mp3"_s));
}

TEST(MediaPlayer, OpensStoppedAtTheStartWithTheSongsLength)
{
    TempTree tree;
    ASSERT_TRUE(test::writeToneMp3(tree.abs(u"a.mp3"_s), 2.5));
    FfmpegMediaPlayer player;
    EXPECT_EQ(player.mode(), MediaMode::NotOpen);
    player.setFileName(tree.abs(u"a.mp3"_s));
    player.open();
    EXPECT_EQ(player.length(), 2500);
    EXPECT_EQ(player.position(), 0);
    EXPECT_EQ(player.mode(), MediaMode::Stopped);
}

TEST(MediaPlayer, AFailedOpenLeavesNoSongBehind)
{
    TempTree tree;
    ASSERT_TRUE(test::writeToneMp3(tree.abs(u"a.mp3"_s), 2.5));
    tree.writeFile(u"b.mp3"_s, "garbage");
    FfmpegMediaPlayer player;
    player.setFileName(tree.abs(u"a.mp3"_s));
    player.open();
    player.setFileName(tree.abs(u"b.mp3"_s));
    EXPECT_THROW(player.open(), Failure);
    EXPECT_EQ(player.mode(), MediaMode::NotOpen);
    EXPECT_EQ(player.length(), 0);
    player.play();
    EXPECT_EQ(player.mode(), MediaMode::NotOpen);
}

TEST(MediaPlayer, PositionFollowsPlayStopSeekAndTheEnd)
{
    TempTree tree;
    ASSERT_TRUE(test::writeToneMp3(tree.abs(u"a.mp3"_s), 1.0));
    FfmpegMediaPlayer player;
    player.setFileName(tree.abs(u"a.mp3"_s));
    player.open();

    player.play();
    EXPECT_EQ(player.mode(), MediaMode::Playing);
    QThread::msleep(200);
    const qint64 afterPlaying = player.position();
    EXPECT_GE(afterPlaying, 150);
    EXPECT_LT(afterPlaying, 1000);

    player.stop();
    const qint64 stoppedAt = player.position();
    EXPECT_GE(stoppedAt, afterPlaying);
    QThread::msleep(100);
    EXPECT_EQ(player.position(), stoppedAt);
    EXPECT_EQ(player.mode(), MediaMode::Stopped);

    player.seek(900);
    EXPECT_EQ(player.position(), 900);
    player.play();
    QThread::msleep(300);
    EXPECT_EQ(player.position(), 1000);
    EXPECT_EQ(player.mode(), MediaMode::Stopped);

    // At the end there is nothing left to play until the caller rewinds.
    player.play();
    EXPECT_EQ(player.mode(), MediaMode::Stopped);
    player.seek(5000);
    EXPECT_EQ(player.position(), 1000);
    player.seek(0);
    player.play();
    EXPECT_EQ(player.mode(), MediaMode::Playing);
}

TEST(SongDecoder, PcmCoversTheWholeSongAndSeekingSkipsAhead)
{
    TempTree tree;
    ASSERT_TRUE(test::writeToneMp3(tree.abs(u"a.mp3"_s), 2.0));
    SongDecoder whole(tree.abs(u"a.mp3"_s));
    EXPECT_EQ(whole.sampleRate(), 44100);
    EXPECT_EQ(whole.channelCount(), 1);
    QByteArray pcm;
    while (whole.decodeFrame())
        whole.appendPcm(pcm);
    EXPECT_NEAR(double(pcm.size()) / 2 / 44100, 2.0, 0.03);

    SongDecoder seeking(tree.abs(u"a.mp3"_s));
    seeking.seek(1500);
    QByteArray rest;
    while (seeking.decodeFrame())
        seeking.appendPcm(rest);
    EXPECT_NEAR(double(rest.size()) / 2 / 44100, 0.5, 0.1);
}
