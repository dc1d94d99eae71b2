#include "templates/ini_file.h"

#include "app/base/failure.h"

#include <QList>
#include <QStringDecoder>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QString decode(const QByteArray &bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QString::fromUtf8(bytes.mid(3));
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8.decode(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder gb18030("GB18030");
    if (gb18030.isValid())
        return gb18030.decode(bytes);
    return QString::fromUtf8(bytes);
}

} // namespace

IniFile IniFile::parse(const QByteArray &bytes)
{
    if (bytes.size() > kMaxBytes)
        throw Failure(u"模板参数文件过大"_s);
    IniFile ini;
    QString section;
    const QString text = decode(bytes);
    for (QStringView line : QStringView(text).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';'))
            continue;
        if (line.startsWith(u'[')) {
            const qsizetype close = line.indexOf(u']');
            section = (close > 0 ? line.mid(1, close - 1) : line.mid(1)).trimmed().toString().toLower();
            continue;
        }
        const qsizetype equals = line.indexOf(u'=');
        if (equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed().toString().toLower();
        auto &keys = ini.m_sections[section];
        // The first occurrence of a key wins, as with the Windows profile functions.
        keys.try_emplace(key, line.mid(equals + 1).trimmed().toString());
    }
    return ini;
}

QString IniFile::value(const QString &section, const QString &key) const
{
    const auto s = m_sections.find(section.toLower());
    if (s == m_sections.end())
        return {};
    const auto k = s->second.find(key.toLower());
    return k == s->second.end() ? QString() : k->second;
}

} // namespace velumo
