#include "app/workspace/program_folder.h"

#include <QCoreApplication>
#include <QDir>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

ProgramFolder::ProgramFolder(const QString &folder)
    : m_path(QDir::fromNativeSeparators(folder))
{
    if (!m_path.endsWith(u'/'))
        m_path += u'/';
}

ProgramFolder ProgramFolder::ofExecutable()
{
    return ProgramFolder(QCoreApplication::applicationDirPath());
}

QString ProgramFolder::resolve(const QString &relative) const
{
    QString rel = relative;
    rel.replace(u'\\', u'/');
    while (rel.startsWith(u'/'))
        rel.remove(0, 1);
    return m_path + rel;
}

} // namespace velumo
