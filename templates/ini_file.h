#pragma once

#include <QByteArray>
#include <QString>

#include <map>

namespace velumo {

// A template parameter file: "[section]" lines, then "key=value" lines. Section and key names
// compare without regard to case; a missing key reads as empty text. The text is UTF-8 (with
// or without a byte order mark) or, failing that, GB18030.
class IniFile
{
public:
    // The largest parameter file we read; real ones are a few hundred bytes.
    static constexpr qsizetype kMaxBytes = 1 << 20;

    // Throws velumo::Failure for a file larger than kMaxBytes.
    static IniFile parse(const QByteArray &bytes);

    QString value(const QString &section, const QString &key) const;

private:
    std::map<QString, std::map<QString, QString>> m_sections;
};

} // namespace velumo
