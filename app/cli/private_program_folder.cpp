#include "app/cli/private_program_folder.h"

#include "app/base/failure.h"
#include "app/workspace/working_tree.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace velumo::cli {
namespace {

// What the build installs beside the program: the two library folders and the closing
// template. The probe movie plays no part without windows.
const QStringList kLibraryParts = {
    u"smxcwjj\\wj_0_or_2\\wjj_01"_s,
    u"smxcwjj\\wj_0_or_2\\wjj_02"_s,
    u"smxcwjj\\wj_0_or_1\\wj_1.rar"_s,
};

void copyFile(const QString &from, const QString &to)
{
    QDir().mkpath(QFileInfo(to).absolutePath());
    if (!QFile::copy(from, to))
        throw Failure(u"无法复制模板库文件：%1"_s.arg(QDir::toNativeSeparators(from)));
}

void copyPart(const QString &from, const QString &to)
{
    if (QFileInfo(from).isFile()) {
        copyFile(from, to);
        return;
    }
    if (!QFileInfo(from).isDir())
        return; // a missing part is reported by the catalogue, as in the program
    QDir().mkpath(to);
    QDirIterator files(from, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (files.hasNext()) {
        const QString file = files.next();
        copyFile(file, to + u'/' + QDir(from).relativeFilePath(file));
    }
}

QString checkedPath(const QTemporaryDir &folder)
{
    if (!folder.isValid())
        throw Failure(u"无法创建工作文件夹：%1"_s.arg(folder.errorString()));
    return folder.path();
}

} // namespace

PrivateProgramFolder::PrivateProgramFolder(const ProgramFolder &installed)
    : m_folder(QDir::tempPath() + u"/velumo-cli-XXXXXX"_s)
    , m_program(checkedPath(m_folder))
{
    for (const QString &part : kLibraryParts)
        copyPart(installed.resolve(part), m_program.resolve(part));
    working_tree::prepare(m_program);
}

PrivateProgramFolder::~PrivateProgramFolder()
{
    working_tree::cleanAtExit(m_program);
    // QTemporaryDir removes the rest: the library copy and the folders the run made.
}

} // namespace velumo::cli
