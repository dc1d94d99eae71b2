#include "tests/songs/song_fixtures.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {

namespace {

bool runFfmpeg(const QStringList &arguments)
{
    QProcess ffmpeg;
    ffmpeg.start(u"ffmpeg"_s, QStringList{u"-v"_s, u"error"_s, u"-y"_s} + arguments);
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitStatus() != QProcess::NormalExit || ffmpeg.exitCode() != 0) {
        ADD_FAILURE() << "ffmpeg failed: " << ffmpeg.readAllStandardError().toStdString()
                      << ffmpeg.errorString().toStdString();
        return false;
    }
    return true;
}

QString tone(double seconds)
{
    return u"sine=frequency=440:sample_rate=44100:duration=%1"_s.arg(seconds, 0, 'f', 3);
}

// Made once per length for the whole test program.
QString cachedTone(double seconds, const QString &suffix, const QStringList &codec)
{
    static QTemporaryDir cache;
    static QMap<QString, QString> made;
    const QString key = QString::number(seconds, 'f', 3) + suffix;
    if (made.contains(key))
        return made[key];
    const QString path = cache.filePath(key);
    if (!runFfmpeg(QStringList{u"-f"_s, u"lavfi"_s, u"-i"_s, tone(seconds)} + codec + QStringList{path}))
        return QString();
    made[key] = path;
    return path;
}

bool copyTo(const QString &source, const QString &target)
{
    if (source.isEmpty())
        return false;
    QFile::remove(target);
    QDir().mkpath(QFileInfo(target).path());
    const bool copied = QFile::copy(source, target);
    EXPECT_TRUE(copied) << target.toStdString();
    return copied;
}

} // namespace

bool writeToneMp3(const QString &target, double seconds)
{
    return copyTo(cachedTone(seconds, u".mp3"_s, {u"-c:a"_s, u"libmp3lame"_s, u"-b:a"_s, u"32k"_s}), target);
}

bool writeToneWav(const QString &target, double seconds)
{
    return copyTo(cachedTone(seconds, u".wav"_s, {u"-c:a"_s, u"pcm_s16le"_s}), target);
}

} // namespace velumo::test
