#include "tests/cli/cli_run.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {
namespace {

void copyTree(const QString &from, const QString &to)
{
    QDirIterator files(from, QDir::Files, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        const QString target = to + u'/' + QDir(from).relativeFilePath(file);
        QDir().mkpath(QFileInfo(target).absolutePath());
        QFile::copy(file, target);
    }
}

} // namespace

CliFolder::CliFolder()
{
    const QFileInfo built(QStringLiteral(VELUMO_CLI));
    m_tree.makeFolder(u"prog"_s);
    m_tree.makeFolder(u"tmp"_s);
    // Qt's runtime folder would otherwise be made inside the temporary folder.
    m_tree.makeFolder(u"runtime"_s);
    QFile::setPermissions(m_tree.abs(u"runtime"_s), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    QFile::copy(built.absoluteFilePath(), programPath());
    QFile::setPermissions(programPath(), QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    copyTree(built.absolutePath() + u"/smxcwjj"_s, m_tree.abs(u"prog/smxcwjj"_s));
}

QString CliFolder::programPath() const
{
    return m_tree.abs(u"prog/velumo-cli"_s);
}

QString CliFolder::tempFolder() const
{
    return m_tree.abs(u"tmp"_s);
}

QProcessEnvironment CliFolder::environment() const
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(u"TMPDIR"_s, tempFolder());
    env.insert(u"XDG_RUNTIME_DIR"_s, m_tree.abs(u"runtime"_s));
    return env;
}

CliResult CliFolder::run(const QStringList &arguments, int timeoutMs) const
{
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(programPath(), arguments);
    CliResult result;
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        ADD_FAILURE() << "velumo-cli did not end in time";
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = QString::fromUtf8(process.readAllStandardOutput());
    result.err = QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace velumo::test
