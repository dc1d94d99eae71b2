#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace velumo {

// LRC files larger than this are refused: a lyric file is a few kilobytes, and every line of
// one becomes a table row.
inline constexpr qint64 kMaxLrcBytes = 256 * 1024;

enum class LrcEncoding
{
    Utf8,
    Utf8WithBom,
    Utf16LittleEndian,
    Utf16BigEndian,
    Gb18030,
};

struct LrcText
{
    LrcEncoding encoding = LrcEncoding::Utf8;
    QStringList lines;
};

// Decodes the bytes of an LRC file, detecting the encoding: a byte-order mark selects UTF-8
// or UTF-16, valid UTF-8 is UTF-8, anything else is GB18030 (the Simplified Chinese code page
// lyric files were usually saved in). Lines end at CR LF, LF or CR; a final line break ends
// the last line and does not start another. Throws velumo::Failure naming `fileName` for
// data that is not text: NUL or other control characters, or bytes the encoding cannot hold.
LrcText decodeLrcText(const QByteArray &bytes, const QString &fileName);

// Reads and decodes an LRC file. Throws velumo::Failure for a missing or unreadable file, a
// file over kMaxLrcBytes, or one that is not text.
LrcText readLrcFile(const QString &path);

} // namespace velumo
