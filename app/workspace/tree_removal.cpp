#include "app/workspace/tree_removal.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

namespace velumo {

void removeTree(const QString &folder)
{
    QDir dir(folder);
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (it.hasNext()) {
        const QFileInfo entry = it.nextFileInfo();
        if (entry.isSymLink()) {
            QFile::remove(entry.absoluteFilePath());
        } else if (entry.isDir()) {
            removeTree(entry.absoluteFilePath());
        } else if (entry.isFile()) {
            QFile file(entry.absoluteFilePath());
            // A read-only file is ours all the same.
            if (!file.remove()) {
                file.setPermissions(file.permissions() | QFileDevice::WriteOwner);
                file.remove();
            }
        }
    }
    dir.rmdir(dir.absolutePath());
}

} // namespace velumo
