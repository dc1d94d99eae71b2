#include "tools/sample_media/lyric_files.h"

#include "tools/sample_media/song_sheet.h"

#include <QStringList>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace velumo::samples {
namespace {

// "MM:SS" followed by a fraction of `digits` digits.
QString timeText(double seconds, int digits)
{
    const int scale = digits == 2 ? 100 : 1000;
    const auto units = qint64(std::llround(seconds * scale));
    const qint64 whole = units / scale;
    return u"%1:%2.%3"_s.arg(whole / 60, 2, 10, QChar(u'0'))
        .arg(whole % 60, 2, 10, QChar(u'0'))
        .arg(units % scale, digits, 10, QChar(u'0'));
}

QByteArray crlfLines(const QStringList &lines)
{
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

} // namespace

QByteArray lrcFile()
{
    QStringList lines = {u"[ti:甜蜜蜜]"_s, u"[ar:Velumo]"_s, u"[al:Velumo 示例音乐]"_s, u"[by:Velumo]"_s, QString()};
    for (const SungLine &line : sungLines())
        lines << u'[' + timeText(line.startSeconds(), 2) + u']' + line.text;
    return crlfLines(lines);
}

QByteArray kscFile()
{
    QStringList lines = {u"// 甜蜜蜜 — Velumo 示例卡拉OK歌词"_s, u"karaoke := CreateKaraokeObject;"_s,
                         u"karaoke.rows := 2;"_s, u"karaoke.clear;"_s, QString()};
    for (const SungLine &line : sungLines()) {
        QStringList lengths;
        for (int ms : line.syllableMilliseconds())
            lengths << QString::number(ms);
        lines << u"karaoke.add('%1', '%2', '%3', '%4');"_s.arg(timeText(line.startSeconds(), 3),
                                                              timeText(line.endSeconds(), 3), line.text,
                                                              lengths.join(u','));
    }
    return crlfLines(lines);
}

} // namespace velumo::samples
