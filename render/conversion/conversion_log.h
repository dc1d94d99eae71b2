#pragma once

#include <QStringList>

namespace velumo {

// The render window's conversion log: English status lines, at most 32000 of them; the oldest
// line goes when a new one would pass the bound.
class ConversionLog
{
public:
    static constexpr qsizetype kMaxLines = 32000;

    void append(const QString &line);
    void clear() { m_lines.clear(); }
    const QStringList &lines() const { return m_lines; }

private:
    QStringList m_lines;
};

} // namespace velumo
