#pragma once

#include <QString>

#include <stdexcept>

namespace velumo {

// The one error type of the project's libraries. It carries the message the user sees
// (Simplified Chinese); window code catches it at the handler boundary and shows it in the
// message box. Anything thrown ends the operation in progress, never the program.
class Failure : public std::runtime_error
{
public:
    explicit Failure(const QString &message)
        : std::runtime_error(message.toStdString())
        , m_message(message)
    {
    }

    const QString &message() const noexcept { return m_message; }

private:
    QString m_message;
};

} // namespace velumo
