#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace velumo::test {

// A temporary folder holding a small file tree, written and inspected by relative paths
// ("a/b/c.txt"; "\" works too).
class TempTree
{
public:
    TempTree();

    QString path() const;
    QString abs(const QString &relative) const;

    void writeFile(const QString &relative, const QByteArray &content = "x");
    void makeFolder(const QString &relative);
    bool exists(const QString &relative) const;
    bool isFolder(const QString &relative) const;
    bool isEmptyFolder(const QString &relative) const;

private:
    QTemporaryDir m_dir;
};

// Makes a file that this process cannot delete: the immutable flag when running as root,
// a read-only parent folder otherwise. Returns false when the file system allows neither.
bool makeUndeletable(const QString &file);
void makeDeletable(const QString &file);

} // namespace velumo::test
