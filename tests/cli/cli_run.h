#pragma once

#include "tests/support/temp_tree.h"

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

namespace velumo::test {

struct CliResult
{
    int exitCode = -1;
    QString out;
    QString err;
};

// A program folder of its own for velumo-cli: a copy of the built program and of the template
// library installed beside it, and a temporary folder of its own (TMPDIR), so that a test sees
// everything a run leaves behind.
class CliFolder
{
public:
    CliFolder();

    CliResult run(const QStringList &arguments, int timeoutMs = 120000) const;
    QString programPath() const;
    // The environment every run gets: the temporary folder below.
    QProcessEnvironment environment() const;
    QString tempFolder() const;
    QString abs(const QString &relative) const { return m_tree.abs(relative); }
    TempTree &tree() { return m_tree; }

private:
    TempTree m_tree;
};

} // namespace velumo::test
