// Reading lyric files: the encoding is detected per file, and data that is no lyric text is
// refused with a message naming the file.
#include "media/lrc_text.h"

#include "app/base/failure.h"
#include "tests/support/temp_tree.h"

#include <QStringEncoder>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::TempTree;

namespace {

const QString kLyric = u"[ti:月亮代表我的心]\r\n[00:12.30]你问我爱你有多深\r\n[00:20.00]我爱你有几分\r\n"_s;
const QStringList kLines{u"[ti:月亮代表我的心]"_s, u"[00:12.30]你问我爱你有多深"_s, u"[00:20.00]我爱你有几分"_s};

QByteArray encoded(const char *encoding, const QString &text)
{
    QStringEncoder encoder(encoding);
    EXPECT_TRUE(encoder.isValid()) << encoding;
    return encoder.encode(text);
}

QString refusalOf(const QByteArray &bytes)
{
    try {
        decodeLrcText(bytes, u"坏.lrc"_s);
    } catch (const Failure &failure) {
        return failure.message();
    }
    return QString();
}

} // namespace

TEST(LrcText, EncodingIsDetectedPerFile)
{
    const struct
    {
        const char *what;
        QByteArray bytes;
        LrcEncoding encoding;
    } cases[] = {
        {"UTF-8", kLyric.toUtf8(), LrcEncoding::Utf8},
        {"UTF-8 with BOM", "\xEF\xBB\xBF" + kLyric.toUtf8(), LrcEncoding::Utf8WithBom},
        {"UTF-16LE with BOM", "\xFF\xFE" + encoded("UTF-16LE", kLyric), LrcEncoding::Utf16LittleEndian},
        {"UTF-16BE with BOM", "\xFE\xFF" + encoded("UTF-16BE", kLyric), LrcEncoding::Utf16BigEndian},
        {"GB18030", encoded("GB18030", kLyric), LrcEncoding::Gb18030},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const LrcText text = decodeLrcText(c.bytes, u"a.lrc"_s);
        EXPECT_EQ(text.encoding, c.encoding);
        EXPECT_EQ(text.lines, kLines);
    }
}

TEST(LrcText, LinesEndAtAnyLineBreakAndAFinalBreakAddsNoLine)
{
    EXPECT_EQ(decodeLrcText("a\r\nb\nc\rd", u"a.lrc"_s).lines, (QStringList{u"a"_s, u"b"_s, u"c"_s, u"d"_s}));
    EXPECT_EQ(decodeLrcText("a\n\nb\n", u"a.lrc"_s).lines, (QStringList{u"a"_s, QString(), u"b"_s}));
    EXPECT_TRUE(decodeLrcText(QByteArray(), u"a.lrc"_s).lines.isEmpty());
}

TEST(LrcText, BinaryDataIsRefusedByName)
{
    QByteArray png("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16);
    const QByteArray cases[] = {
        png,
        QByteArray("[00:01.00]a\0b", 13),
        "\xFF\xFE" + QByteArray("[\0a\0\0\0", 6),   // UTF-16 holding a NUL
        "\xFF\xFE" + QByteArray("\x00\xD8", 2),     // a lone surrogate
        QByteArray("\x81\x30\x81", 3),              // a cut-off four-byte GB18030 sequence
    };
    for (const QByteArray &bytes : cases) {
        SCOPED_TRACE(bytes.toHex().toStdString());
        EXPECT_TRUE(refusalOf(bytes).contains(u"坏.lrc"_s));
    }
}

TEST(LrcText, OversizedAndMissingFilesAreRefusedByName)
{
    TempTree tree;
    QByteArray big;
    while (big.size() <= kMaxLrcBytes)
        big += "[00:01.00]一二三四五六七八九十\n";
    tree.writeFile(u"大.lrc"_s, big);
    tree.writeFile(u"好.lrc"_s, big.left(big.lastIndexOf('\n', kMaxLrcBytes - 1) + 1));

    try {
        readLrcFile(tree.abs(u"大.lrc"_s));
        ADD_FAILURE() << "an oversized file was read";
    } catch (const Failure &failure) {
        EXPECT_TRUE(failure.message().contains(u"大.lrc"_s));
    }
    EXPECT_FALSE(readLrcFile(tree.abs(u"好.lrc"_s)).lines.isEmpty());
    EXPECT_THROW(readLrcFile(tree.abs(u"无.lrc"_s)), Failure);
}
