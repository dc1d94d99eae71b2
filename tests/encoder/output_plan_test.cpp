// How the setting calls decide the output: container, codecs, size, rate, bit rates.
#include "render/encoder/encoder_failure.h"
#include "render/encoder/frame_cadence.h"
#include "render/encoder/output_plan.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

JobSettings disc(int preset, int standard, bool high)
{
    JobSettings s;
    s.preset = preset;
    s.standard = standard;
    s.frameSize = QSize(1280, 720);
    if (high)
        s.bitRate = BitRateRequest{99999, 2500, 100000};
    s.videoFile = u"/a/album.mpg"_s;
    return s;
}

TEST(OutputPlan, DiscPresetsPickMuxerCodecsRateAndTheKindsBitRates)
{
    const struct
    {
        JobSettings settings;
        const char *muxer;
        const char *video;
        const char *audio;
        int fpsNum;
        int sampleRate;
        int averageKbps;
        int peakKbps;
    } cases[] = {
        {disc(MclPresetVcd, MclStandardPal, false), "vcd", "mpeg1video", "mp2", 25, 44100, 1150, 1150},
        {disc(MclPresetVcd, MclStandardPal, true), "vcd", "mpeg1video", "mp2", 25, 44100, 3500, 4500},
        {disc(MclPresetSvcd, MclStandardNtsc, false), "svcd", "mpeg2video", "mp2", 30000, 44100, 2040, 2516},
        {disc(MclPresetSvcd, MclStandardPal, true), "svcd", "mpeg2video", "mp2", 25, 44100, 6000, 8000},
        {disc(MclPresetDvd, MclStandardPal, false), "dvd", "mpeg2video", "mp2", 25, 48000, 6000, 9000},
        {disc(MclPresetDvd, MclStandardNtsc, true), "dvd", "mpeg2video", "ac3", 30000, 48000, 8000, 9800},
    };
    for (const auto &c : cases) {
        const OutputPlan plan = makeOutputPlan(c.settings);
        SCOPED_TRACE(c.muxer);
        EXPECT_EQ(plan.muxer, QString::fromLatin1(c.muxer));
        EXPECT_EQ(plan.videoCodec, QString::fromLatin1(c.video));
        EXPECT_EQ(plan.audioCodec, QString::fromLatin1(c.audio));
        EXPECT_EQ(plan.fpsNum, c.fpsNum);
        EXPECT_EQ(plan.sampleRate, c.sampleRate);
        EXPECT_EQ(plan.rates.averageKbps, c.averageKbps);
        EXPECT_EQ(plan.rates.peakKbps, c.peakKbps);
        EXPECT_EQ(plan.frameSize, QSize(1280, 720));
    }
}

TEST(OutputPlan, NtscRepeatsFramesOnlyWhenTheDurationIsKept)
{
    JobSettings s = disc(MclPresetDvd, MclStandardNtsc, false);
    EXPECT_TRUE(makeOutputPlan(s).repeatForNtsc);
    s.keepDuration = false;
    EXPECT_FALSE(makeOutputPlan(s).repeatForNtsc);
    EXPECT_FALSE(makeOutputPlan(disc(MclPresetDvd, MclStandardPal, false)).repeatForNtsc);
}

TEST(OutputPlan, ABitRateRequestIsBoundedByTheKindsHighRates)
{
    JobSettings s = disc(MclPresetDvd, MclStandardPal, true);
    s.bitRate = BitRateRequest{5000, 1000, 4000};
    const OutputPlan plan = makeOutputPlan(s);
    EXPECT_EQ(plan.rates.averageKbps, 4000);
    EXPECT_EQ(plan.rates.peakKbps, 5000);
}

TEST(OutputPlan, WithoutAFormatDiscsUseTheirStandardSize)
{
    JobSettings s = disc(MclPresetSvcd, MclStandardNtsc, false);
    s.frameSize.reset();
    EXPECT_EQ(makeOutputPlan(s).frameSize, QSize(480, 480));
}

TEST(OutputPlan, AviIsMpeg4WithMp3OrMp2)
{
    JobSettings s;
    s.videoFile = u"/a/album.avi"_s;
    OutputPlan plan = makeOutputPlan(s);
    EXPECT_EQ(plan.muxer, u"avi"_s);
    EXPECT_EQ(plan.videoCodec, u"mpeg4"_s);
    EXPECT_EQ(plan.audioCodec, u"libmp3lame"_s);
    EXPECT_EQ(plan.rates.averageKbps, 4000);
    s.audioCodec = MclAudioMp2;
    s.bitRate = BitRateRequest{99999, 2500, 100000};
    plan = makeOutputPlan(s);
    EXPECT_EQ(plan.audioCodec, u"mp2"_s);
    EXPECT_EQ(plan.rates.averageKbps, 8000);
}

TEST(OutputPlan, PictureNamesGiveFormatFolderAndNumbering)
{
    JobSettings s;
    s.videoFile = u"/a/相册/01.TGA"_s;
    const OutputPlan plan = makeOutputPlan(s);
    EXPECT_TRUE(plan.isPictures());
    EXPECT_FALSE(plan.hasAudio);
    EXPECT_EQ(plan.videoCodec, u"targa"_s);
    EXPECT_EQ(pictureFileName(plan, 1), u"/a/相册/01.TGA"_s);
    EXPECT_EQ(pictureFileName(plan, 9), u"/a/相册/09.TGA"_s);
    EXPECT_EQ(pictureFileName(plan, 100), u"/a/相册/100.TGA"_s);
}

TEST(OutputPlan, UnknownNamesAndSplitSoundAreRefused)
{
    for (const QString &name : {u"/a/album.mov"_s, u"/a/first.jpg"_s, u""_s}) {
        JobSettings s;
        s.videoFile = name;
        EXPECT_THROW(makeOutputPlan(s), EncoderFailure) << name.toStdString();
    }
    JobSettings split = disc(MclPresetDvd, MclStandardPal, false);
    split.audioFile = u"/a/sound.mp2"_s;
    EXPECT_THROW(makeOutputPlan(split), EncoderFailure);
}

TEST(FrameCadence, NtscFillsEveryOutputFrameOnceAndKeepsTheLength)
{
    qint64 next = 0;
    for (qint64 album = 0; album < 1500; ++album) {
        const FrameSpan span = outputFramesOf(album, true);
        ASSERT_EQ(span.first, next) << album;
        ASSERT_GE(span.count(), 1);
        ASSERT_LE(span.count(), 2);
        next = span.end;
    }
    EXPECT_EQ(next, 1799); // 60 s at 30000/1001, within one frame
    EXPECT_EQ(outputFramesOf(49, true).end, 60);
    EXPECT_EQ(outputFramesOf(7, false).first, 7);
    EXPECT_EQ(outputFramesOf(7, false).count(), 1);
}

} // namespace
} // namespace velumo
