#pragma once

#include <QString>

namespace velumo {

// A named text setting owned by a window, holding its default until a command changes it.
// The name is the value's identity everywhere, so values are neither copied nor assigned.
class HiddenValue
{
public:
    HiddenValue(const QString &name, const QString &defaultText);
    // A value whose default is its own name: it holds nothing meaningful until it is set.
    static HiddenValue defaultingToOwnName(const QString &name);

    HiddenValue(const HiddenValue &) = delete;
    HiddenValue &operator=(const HiddenValue &) = delete;

    const QString &name() const { return m_name; }
    const QString &defaultText() const { return m_defaultText; }
    const QString &text() const { return m_text; }
    void setText(const QString &text) { m_text = text; }
    // The text read as decimal text (see parseDecimalInt); Failure when it is not a number.
    int number() const;
    void reset() { m_text = m_defaultText; }

private:
    QString m_name;
    QString m_defaultText;
    QString m_text;
};

} // namespace velumo
