#pragma once

#include <QString>

namespace velumo {

// The folder everything relative is resolved against: the program's own folder, where the
// working tree and the installed template library live. Relative paths are written with "\"
// as on Windows and mapped to the platform separator here, with the same names and nesting.
class ProgramFolder
{
public:
    explicit ProgramFolder(const QString &folder);

    // The folder of the running executable.
    static ProgramFolder ofExecutable();

    // Always ends in "/".
    const QString &path() const { return m_path; }

    // `relative` may use "\" or "/"; a trailing separator is kept.
    QString resolve(const QString &relative) const;

private:
    QString m_path;
};

} // namespace velumo
