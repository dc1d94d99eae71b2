#include "media/lrc_text.h"

#include "app/base/failure.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QString notText(const QString &fileName)
{
    return u"“%1”不是LRC歌词文本文件，无法添加。"_s.arg(fileName);
}

bool startsWith(const QByteArray &bytes, std::initializer_list<unsigned char> prefix)
{
    if (bytes.size() < qsizetype(prefix.size()))
        return false;
    qsizetype i = 0;
    for (unsigned char b : prefix) {
        if (static_cast<unsigned char>(bytes[i++]) != b)
            return false;
    }
    return true;
}

// Decodes with `decoder`; nothing when the bytes do not fit the encoding.
std::optional<QString> decodeStrict(QStringDecoder decoder, QByteArrayView bytes)
{
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

// Characters no text file holds: control characters other than white space, non-characters,
// and halves of surrogate pairs standing alone.
bool hasNonTextCharacters(const QString &text)
{
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        const char16_t u = c.unicode();
        if (u < 0x20 && u != u'\t' && u != u'\n' && u != u'\r' && u != u'\f' && u != u'\v')
            return true;
        if (u == 0xFFFE || u == 0xFFFF)
            return true;
        if (c.isHighSurrogate() && i + 1 < size && text[i + 1].isLowSurrogate()) {
            ++i;
            continue;
        }
        if (c.isSurrogate())
            return true;
    }
    return false;
}

QStringList splitLines(const QString &text)
{
    QStringList lines;
    qsizetype start = 0;
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text[i];
        if (c != u'\n' && c != u'\r')
            continue;
        lines.append(text.mid(start, i - start));
        if (c == u'\r' && i + 1 < size && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    if (start < size)
        lines.append(text.mid(start));
    return lines;
}

} // namespace

LrcText decodeLrcText(const QByteArray &bytes, const QString &fileName)
{
    LrcText result;
    std::optional<QString> text;
    if (startsWith(bytes, {0xEF, 0xBB, 0xBF})) {
        result.encoding = LrcEncoding::Utf8WithBom;
        text = decodeStrict(QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless),
                            QByteArrayView(bytes).sliced(3));
    } else if (startsWith(bytes, {0xFF, 0xFE})) {
        result.encoding = LrcEncoding::Utf16LittleEndian;
        text = decodeStrict(QStringDecoder(QStringDecoder::Utf16LE, QStringDecoder::Flag::Stateless),
                            QByteArrayView(bytes).sliced(2));
    } else if (startsWith(bytes, {0xFE, 0xFF})) {
        result.encoding = LrcEncoding::Utf16BigEndian;
        text = decodeStrict(QStringDecoder(QStringDecoder::Utf16BE, QStringDecoder::Flag::Stateless),
                            QByteArrayView(bytes).sliced(2));
    } else {
        result.encoding = LrcEncoding::Utf8;
        text = decodeStrict(QStringDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless), bytes);
        if (!text) {
            result.encoding = LrcEncoding::Gb18030;
            QStringDecoder gb18030("GB18030", QStringDecoder::Flag::Stateless);
            if (!gb18030.isValid())
                throw Failure(u"无法读取歌词文件“%1”：系统不支持GB18030编码。"_s.arg(fileName));
            text = decodeStrict(std::move(gb18030), bytes);
        }
    }
    if (!text || hasNonTextCharacters(*text))
        throw Failure(notText(fileName));
    result.lines = splitLines(*text);
    return result;
}

LrcText readLrcFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isFile())
        throw Failure(u"找不到歌词文件“%1”。"_s.arg(path));
    if (info.size() > kMaxLrcBytes)
        throw Failure(u"歌词文件“%1”超过%2KB，不是正常的LRC歌词文件，无法添加。"_s.arg(info.fileName())
                          .arg(kMaxLrcBytes / 1024));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Failure(u"无法读取歌词文件“%1”：%2"_s.arg(info.fileName(), file.errorString()));
    // Read one byte past the limit: the file may have grown since it was measured.
    const QByteArray bytes = file.read(kMaxLrcBytes + 1);
    if (bytes.size() > kMaxLrcBytes)
        throw Failure(u"歌词文件“%1”超过%2KB，不是正常的LRC歌词文件，无法添加。"_s.arg(info.fileName())
                          .arg(kMaxLrcBytes / 1024));
    return decodeLrcText(bytes, info.fileName());
}

} // namespace velumo
