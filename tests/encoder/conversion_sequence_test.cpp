// The render window's calls into the conversion library, their order and arguments, and the
// log lines it writes.
#include "render/conversion/conversion_log.h"
#include "render/conversion/conversion_sequence.h"
#include "render/conversion/progress_line.h"
#include "tests/encoder/recording_mcl.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {
namespace {

struct Recorded
{
    QStringList calls;
    QStringList log;
    int ended = 0;
};

Recorded runSequence(RecordingMcl &library, const ConversionRequest &request)
{
    Recorded recorded;
    ConversionHooks hooks;
    hooks.log = [&](const QString &line) { recorded.log.append(line); };
    hooks.renderStep = [&](MclHandle, const QString &, qint64 frame) {
        library.calls.append(u"render step %1"_s.arg(frame));
    };
    hooks.conversionEnded = [&] { ++recorded.ended; };
    ConversionSequence(library, hooks).run(request);
    recorded.calls = library.calls;
    return recorded;
}

// The setting calls: those between the list counts and the output names.
QStringList settingCalls(const QStringList &calls)
{
    const auto position = [&calls](const QString &start) {
        return std::find_if(calls.begin(), calls.end(), [&start](const QString &call) { return call.startsWith(start); })
             - calls.begin();
    };
    const qsizetype from = position(u"MclListGetSampleCount"_s) + 1;
    return calls.mid(from, position(u"MclVideoSetFileName"_s) - from);
}

ConversionRequest request(const QString &kind, const QString &standard, const QString &quality)
{
    ConversionRequest r;
    r.outputKind = kind;
    r.tvStandard = standard;
    r.quality = quality;
    r.videoOut = r.audioOut = u"/out/album"_s;
    r.videoLines = {u"f"_s, u"f"_s};
    return r;
}

struct SettingCase
{
    const char *name;
    ConversionRequest request;
    QStringList expected;
};

void PrintTo(const SettingCase &c, std::ostream *out)
{
    *out << c.name;
}

class SettingCalls : public ::testing::TestWithParam<SettingCase>
{
};

TEST_P(SettingCalls, FollowKindStandardQualityAndDurationMode)
{
    RecordingMcl library;
    EXPECT_EQ(settingCalls(runSequence(library, GetParam().request).calls), GetParam().expected);
}

ConversionRequest musicLength(ConversionRequest r)
{
    r.photoLengthMode = false;
    r.keepDuration = false;
    r.width = 1920;
    r.height = 1080;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    Requests, SettingCalls,
    ::testing::Values(
        SettingCase{"DvdNtscHigh",
                    request(u"DVD"_s, u"NTSC"_s, u"gaoqing_huazhi"_s),
                    {u"MclSetFormatPreset(7, 2, 1)"_s, u"MclVideoSetKeepDuration(7, -1)"_s,
                     u"MclAudioSetTruncateToVideo(7, -1)"_s, u"MclVideoSetFormat(7, 1280, 720, 32)"_s,
                     u"MclVideoSetBitRate(7, 99999, 2500, 100000)"_s, u"MclAudioSetCodec(7, 2)"_s}},
        SettingCase{"PicturesNormal",
                    request(u"XLTP"_s, u"PAL"_s, u"yiban_huazhi"_s),
                    {u"MclVideoSetKeepDuration(7, -1)"_s, u"MclAudioSetTruncateToVideo(7, -1)"_s,
                     u"MclVideoSetFormat(7, 1280, 720, 32)"_s, u"MclAudioSetCodec(7, 2)"_s}},
        SettingCase{"AviNormal",
                    request(u"AVI"_s, u"PAL"_s, u"yiban_huazhi"_s),
                    {u"MclVideoSetKeepDuration(7, -1)"_s, u"MclAudioSetTruncateToVideo(7, -1)"_s,
                     u"MclVideoSetFormat(7, 1280, 720, 32)"_s, u"MclAudioSetCodec(7, 2)"_s}},
        SettingCase{"PicturesHigh",
                    request(u"XLTP"_s, u"NTSC"_s, u"gaoqing_huazhi"_s),
                    {u"MclVideoSetKeepDuration(7, -1)"_s, u"MclAudioSetTruncateToVideo(7, -1)"_s,
                     u"MclVideoSetFormat(7, 1280, 720, 32)"_s, u"MclVideoSetBitRate(7, 99999, 2500, 100000)"_s,
                     u"MclAudioSetCodec(7, 2)"_s}},
        SettingCase{"VcdPalNormalMusicLengthChosenSize",
                    musicLength(request(u"VCD"_s, u"PAL"_s, u"yiban_huazhi"_s)),
                    {u"MclSetFormatPreset(7, 0, 0)"_s, u"MclVideoSetKeepDuration(7, 0)"_s,
                     u"MclVideoSetFormat(7, 1920, 1080, 32)"_s, u"MclAudioSetCodec(7, 2)"_s}},
        SettingCase{"SvcdPalHigh",
                    request(u"SVCD"_s, u"PAL"_s, u"gaoqing_huazhi"_s),
                    {u"MclSetFormatPreset(7, 1, 0)"_s, u"MclVideoSetKeepDuration(7, -1)"_s,
                     u"MclAudioSetTruncateToVideo(7, -1)"_s, u"MclVideoSetFormat(7, 1280, 720, 32)"_s,
                     u"MclVideoSetBitRate(7, 99999, 2500, 100000)"_s, u"MclAudioSetCodec(7, 2)"_s}}),
    [](const ::testing::TestParamInfo<SettingCase> &param) { return std::string(param.param.name); });

TEST(ConversionSequence, CallsTheLibraryInOrderAndRendersOneStepPerFrame)
{
    RecordingMcl library;
    ConversionRequest r = request(u"DVD"_s, u"PAL"_s, u"yiban_huazhi"_s);
    r.audioLines = {u"song.mp3"_s};
    const Recorded recorded = runSequence(library, r);
    const QStringList expected = {
        u"MclCreate()"_s, u"MclAssignVideoSource"_s, u"MclAssignVideoFunc"_s, u"MclAssignAudioSource"_s,
        u"MclAssignAudioFunc"_s, u"MclAssignProgress"_s, u"MclAssignError"_s, u"MclListCreate()"_s,
        u"MclListCreate()"_s, u"MclListAdd(101, f, 8, 0, 0)"_s, u"MclListAdd(101, f, 8, 0, 0)"_s,
        u"MclListAdd(102, song.mp3, 16, 0, 0)"_s, u"MclListGetFrameCount(101)"_s, u"MclListGetSampleCount(102)"_s,
        u"MclSetFormatPreset(7, 2, 0)"_s, u"MclVideoSetKeepDuration(7, -1)"_s, u"MclAudioSetTruncateToVideo(7, -1)"_s,
        u"MclVideoSetFormat(7, 1280, 720, 32)"_s, u"MclAudioSetCodec(7, 2)"_s,
        u"MclVideoSetFileName(7, /out/album)"_s, u"MclAudioSetFileName(7, /out/album)"_s, u"MclConvert(7)"_s,
        u"video source 0"_s, u"MclSourceSetFile(9, f)"_s, u"render step 0"_s, u"video source 1"_s,
        u"MclSourceSetFile(9, f)"_s, u"render step 1"_s, u"video source 2"_s, u"MclSourceFinished(9)"_s,
        u"MclGetError()"_s, u"MclListFree(101)"_s, u"MclListFree(102)"_s, u"MclFree(7)"_s};
    EXPECT_EQ(recorded.calls, expected);
    EXPECT_EQ(recorded.log, (QStringList{u"Total frames:  2"_s, u"Total samples: 44100"_s,
                                         u"Starting conversion..."_s, u"Conversion ended."_s}));
    EXPECT_EQ(recorded.ended, 1);
}

TEST(ConversionSequence, EmptyListsConvertNothing)
{
    RecordingMcl library;
    ConversionRequest r = request(u"DVD"_s, u"PAL"_s, u"gaoqing_huazhi"_s);
    r.videoLines.clear();
    const Recorded recorded = runSequence(library, r);
    EXPECT_FALSE(recorded.calls.contains(u"MclConvert(7)"_s));
    EXPECT_EQ(recorded.log.last(), u"Nothing to convert."_s);
    EXPECT_EQ(recorded.ended, 0);
    EXPECT_EQ(recorded.calls.last(), u"MclFree(7)"_s);
}

TEST(ConversionSequence, AnAlbumWithoutSongsStillConverts)
{
    RecordingMcl library;
    const Recorded recorded = runSequence(library, request(u"AVI"_s, u"PAL"_s, u"yiban_huazhi"_s));
    EXPECT_TRUE(recorded.log.contains(u"Total samples: 0"_s));
    EXPECT_TRUE(recorded.calls.contains(u"MclConvert(7)"_s));
}

TEST(ConversionSequence, ALibraryErrorIsLoggedTwiceAndRepliedWithTwo)
{
    RecordingMcl library;
    library.errorCode = 1;
    library.progressPercent = 37;
    const Recorded recorded = runSequence(library, request(u"DVD"_s, u"PAL"_s, u"gaoqing_huazhi"_s));
    EXPECT_EQ(library.replyGiven, 2);
    EXPECT_EQ(recorded.log, (QStringList{u"Total frames:  2"_s, u"Total samples: 0"_s, u"Starting conversion..."_s,
                                         u"Multiplexing done: 37%"_s, u"error 1"_s, u"error 1"_s,
                                         u"Conversion ended."_s}));
    EXPECT_EQ(recorded.ended, 1);
}

TEST(ProgressLine, ReadsTheStatusCode)
{
    RecordingMcl library;
    const struct
    {
        ProgressReport report;
        QString line;
    } cases[] = {
        {{0, 0, 0, 0}, u"Processing time: [75 s]"_s},
        {{1, 0, 0, 0}, u"Preparing conversion..."_s},
        {{2, 12, 0, 0}, u"Reducing colors, done frames: 12"_s},
        {{3, 50, 88200, 0}, u"Frame: 50, Sample: 88200, Time Left: [275 s]"_s},
        {{4, 0, 0, 37}, u"Multiplexing done: 37%"_s},
        {{5, 0, 0, 0}, u"Unrecognized status code"_s},
        {{-1, 0, 0, 0}, u"Unrecognized status code"_s},
    };
    for (const auto &c : cases)
        EXPECT_EQ(progressLine(library, 7, c.report, 275, 0), c.line);
}

TEST(ConversionLog, KeepsTheLast32000Lines)
{
    ConversionLog log;
    for (int i = 1; i <= 32001; ++i)
        log.append(u"line %1"_s.arg(i));
    EXPECT_EQ(log.lines().size(), 32000);
    EXPECT_EQ(log.lines().first(), u"line 2"_s);
    EXPECT_EQ(log.lines().last(), u"line 32001"_s);
}

} // namespace
} // namespace velumo::test
