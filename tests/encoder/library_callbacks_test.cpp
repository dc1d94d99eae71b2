// The conversion library's own callbacks: their order, the replies to errors, the frames
// handed over in memory.
#include "render/encoder/ffmpeg_mcl.h"
#include "tests/encoder/album_fixture.h"
#include "tests/encoder/media_probe.h"
#include "tests/support/qt_printers.h"
#include "tests/support/temp_tree.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {
namespace {

const QSize kSize(320, 176);

// A job over the library with callbacks that record what they are called with.
class RecordedJob
{
public:
    RecordedJob(FfmpegMcl &library, const QStringList &frames, const QStringList &songs, const QString &output)
        : m_library(library)
        , m_frames(frames)
        , m_songs(songs)
    {
        m_job = library.MclCreate();
        library.MclAssignVideoSource(m_job, [this](MclHandle source, int index) {
            events.append(u"video source %1"_s.arg(index));
            if (index < m_frames.size())
                m_library.MclSourceSetFile(source, m_frames.at(index));
            else
                m_library.MclSourceFinished(source);
        });
        library.MclAssignVideoFunc(m_job, [this](MclHandle, const QString &name, qint64 frame) {
            events.append(u"video %1 %2"_s.arg(frame).arg(QFileInfo(name).fileName()));
        });
        library.MclAssignAudioSource(m_job, [this](MclHandle source, int index) {
            events.append(u"audio source %1"_s.arg(index));
            if (index < m_songs.size())
                m_library.MclSourceSetFile(source, m_songs.at(index));
            else
                m_library.MclSourceFinished(source);
        });
        library.MclAssignAudioFunc(m_job, [this](MclHandle, int source, int opened) {
            events.append(u"audio %1 %2"_s.arg(source).arg(opened));
        });
        library.MclAssignProgress(m_job, [this](MclHandle, int status, qint64, qint64, int) {
            events.append(u"progress %1"_s.arg(status));
        });
        library.MclAssignError(m_job, [this](MclHandle, int code, int *reply) {
            events.append(u"error %1"_s.arg(code));
            *reply = reply_;
        });
        library.MclSetFormatPreset(m_job, MclPresetVcd, MclStandardPal);
        library.MclVideoSetFormat(m_job, kSize.width(), kSize.height(), 32);
        library.MclVideoSetFileName(m_job, output);
        library.MclAudioSetFileName(m_job, output);
    }
    ~RecordedJob() { m_library.MclFree(m_job); }

    MclHandle job() const { return m_job; }

    QStringList events;
    int reply_ = MclReplyCancel;

private:
    FfmpegMcl &m_library;
    QStringList m_frames;
    QStringList m_songs;
    MclHandle m_job = 0;
};

class LibraryCallbacks : public ::testing::Test
{
protected:
    TempTree tree;
    FfmpegMcl library;

    QString frame(int index)
    {
        const QString path = tree.abs(u"f%1.bmp"_s.arg(index));
        albumFrame(index, kSize).save(path, "BMP");
        return path;
    }
};

TEST_F(LibraryCallbacks, SongsAreAskedFirstThenEachFrameIsReadBeforeItsVideoCall)
{
    const QString song = tree.abs(u"a.mp3"_s);
    makeTone(song, 0.2, 44100, 2);
    RecordedJob job(library, {frame(0), frame(1)}, {song}, tree.abs(u"a.mpg"_s));
    library.MclConvert(job.job());
    EXPECT_EQ(job.events, (QStringList{u"progress 1"_s, u"audio source 0"_s, u"audio 0 1"_s, u"audio source 1"_s,
                                       u"video source 0"_s, u"video 0 f0.bmp"_s, u"video source 1"_s,
                                       u"video 1 f1.bmp"_s, u"video source 2"_s, u"progress 4"_s,
                                       u"progress 0"_s}));
    EXPECT_EQ(library.MclGetError(), 0);
}

TEST_F(LibraryCallbacks, AnIgnoredVanishedSongIsLeftOutAndTheAlbumIsMade)
{
    const QString output = tree.abs(u"b.mpg"_s);
    RecordedJob job(library, {frame(0)}, {tree.abs(u"missing.mp3"_s)}, output);
    job.reply_ = MclReplyIgnore;
    library.MclConvert(job.job());
    EXPECT_TRUE(job.events.contains(u"error %1"_s.arg(MclErrorAudioSource)));
    EXPECT_TRUE(job.events.contains(u"audio 0 0"_s));
    EXPECT_TRUE(QFile::exists(output));
    EXPECT_EQ(library.MclGetError(), int(MclErrorAudioSource)); // the last error stays readable
}

TEST_F(LibraryCallbacks, AnIgnoredUnreadableFrameRepeatsTheFrameBefore)
{
    const QString output = tree.abs(u"c.mpg"_s);
    RecordedJob job(library, {frame(0), tree.abs(u"none.bmp"_s), frame(2)}, {}, output);
    job.reply_ = MclReplyIgnore;
    library.MclConvert(job.job());
    ASSERT_TRUE(QFile::exists(output));
    EXPECT_EQ(probeMedia(output).first(u"video"_s)->frames, 3);
    EXPECT_LT(meanDifference(decodeFrame(output, 1), albumFrame(0, kSize)), 12.0);
}

TEST_F(LibraryCallbacks, AFrameHandedOverInMemoryStandsInForItsFile)
{
    const QString output = tree.abs(u"d.mpg"_s);
    const QString name = frame(0);
    RecordedJob job(library, {name, name}, {}, output);
    library.MclPutFrame(job.job(), name, albumFrame(5, kSize));
    library.MclConvert(job.job());
    EXPECT_LT(meanDifference(decodeFrame(output, 1), albumFrame(5, kSize)), 12.0);
}

TEST_F(LibraryCallbacks, AnAbortBeforeTheConversionConvertsNothing)
{
    const QString output = tree.abs(u"e.mpg"_s);
    RecordedJob job(library, {frame(0)}, {}, output);
    library.MclAbort(job.job());
    library.MclConvert(job.job());
    EXPECT_TRUE(job.events.isEmpty());
    EXPECT_FALSE(QFile::exists(output));
}

TEST(ConversionTime, TextsAndEstimates)
{
    FfmpegMcl library;
    EXPECT_EQ(library.MclMakeTimeStr(0.0), u"00:00:00"_s);
    EXPECT_EQ(library.MclMakeTimeStr(59.9), u"00:00:59"_s);
    EXPECT_EQ(library.MclMakeTimeStr(3725.0), u"01:02:05"_s);
    EXPECT_EQ(library.MclMakeTimeStr(-3.0), u"00:00:00"_s);
}

} // namespace
} // namespace velumo::test
