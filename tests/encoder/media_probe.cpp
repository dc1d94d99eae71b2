#include "tests/encoder/media_probe.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {

namespace {

QByteArray runTool(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return {};
    }
    return process.readAllStandardOutput();
}

} // namespace

const ProbedStream *ProbedFile::first(const QString &type) const
{
    for (const ProbedStream &stream : streams) {
        if (stream.type == type)
            return &stream;
    }
    return nullptr;
}

ProbedFile probeMedia(const QString &path)
{
    const QByteArray json = runTool(u"ffprobe"_s, {u"-v"_s, u"error"_s, u"-count_frames"_s, u"-print_format"_s,
                                                    u"json"_s, u"-show_format"_s, u"-show_streams"_s, path});
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    ProbedFile file;
    file.format = root[u"format"_s][u"format_name"_s].toString();
    file.duration = root[u"format"_s][u"duration"_s].toString().toDouble();
    for (const QJsonValue &value : root[u"streams"_s].toArray()) {
        const QJsonObject s = value.toObject();
        ProbedStream stream;
        stream.type = s[u"codec_type"_s].toString();
        stream.codec = s[u"codec_name"_s].toString();
        stream.codecTag = s[u"codec_tag_string"_s].toString();
        stream.width = s[u"width"_s].toInt();
        stream.height = s[u"height"_s].toInt();
        stream.frameRate = s[u"r_frame_rate"_s].toString();
        stream.sampleRate = s[u"sample_rate"_s].toString().toInt();
        stream.channels = s[u"channels"_s].toInt();
        stream.duration = s[u"duration"_s].toString().toDouble();
        stream.frames = s[u"nb_read_frames"_s].toString().toLongLong();
        file.streams.push_back(stream);
    }
    return file;
}

QImage decodeFrame(const QString &path, int index)
{
    QTemporaryDir dir;
    const QString png = dir.filePath(u"frame.png"_s);
    runTool(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-i"_s, path, u"-vf"_s, u"select=eq(n\\,%1)"_s.arg(index),
                          u"-frames:v"_s, u"1"_s, u"-y"_s, png});
    return QImage(png).convertToFormat(QImage::Format_RGB32);
}

void makeTone(const QString &path, double seconds, int sampleRate, int channels, int frequency)
{
    runTool(u"ffmpeg"_s, {u"-v"_s, u"error"_s, u"-f"_s, u"lavfi"_s, u"-i"_s,
                          u"sine=frequency=%1:duration=%2:sample_rate=%3"_s.arg(frequency).arg(seconds).arg(sampleRate),
                          u"-ac"_s, QString::number(channels), u"-c:a"_s, u"libmp3lame"_s, u"-y"_s, path});
}

double meanDifference(const QImage &a, const QImage &b)
{
    if (a.size() != b.size() || a.isNull())
        return 255.0;
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    qint64 sum = 0;
    for (int row = 0; row < x.height(); ++row) {
        const auto *p = reinterpret_cast<const QRgb *>(x.constScanLine(row));
        const auto *q = reinterpret_cast<const QRgb *>(y.constScanLine(row));
        for (int col = 0; col < x.width(); ++col) {
            sum += std::abs(qRed(p[col]) - qRed(q[col])) + std::abs(qGreen(p[col]) - qGreen(q[col]))
                 + std::abs(qBlue(p[col]) - qBlue(q[col]));
        }
    }
    return double(sum) / (3.0 * x.width() * x.height());
}

} // namespace velumo::test
