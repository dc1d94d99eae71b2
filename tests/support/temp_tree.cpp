#include "tests/support/temp_tree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <linux/fs.h>
#include <sys/ioctl.h>
#include <unistd.h>

namespace velumo::test {

namespace {

QString normalised(const QString &relative)
{
    QString r = relative;
    r.replace(u'\\', u'/');
    return r;
}

bool setImmutable(const QString &file, bool on)
{
    const int fd = ::open(QFile::encodeName(file).constData(), O_RDONLY);
    if (fd < 0)
        return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (ok) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        ok = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return ok;
}

} // namespace

TempTree::TempTree()
{
    EXPECT_TRUE(m_dir.isValid());
}

QString TempTree::path() const
{
    return m_dir.path();
}

QString TempTree::abs(const QString &relative) const
{
    return m_dir.path() + u'/' + normalised(relative);
}

void TempTree::writeFile(const QString &relative, const QByteArray &content)
{
    const QString file = abs(relative);
    QDir().mkpath(QFileInfo(file).absolutePath());
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << file.toStdString();
    f.write(content);
}

void TempTree::makeFolder(const QString &relative)
{
    ASSERT_TRUE(QDir().mkpath(abs(relative)));
}

bool TempTree::exists(const QString &relative) const
{
    return QFileInfo::exists(abs(relative)) || QFileInfo(abs(relative)).isSymLink();
}

bool TempTree::isFolder(const QString &relative) const
{
    return QFileInfo(abs(relative)).isDir();
}

bool TempTree::isEmptyFolder(const QString &relative) const
{
    return isFolder(relative) && QDir(abs(relative)).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

bool makeUndeletable(const QString &file)
{
    if (::geteuid() == 0)
        return setImmutable(file, true);
    return QFile::setPermissions(QFileInfo(file).absolutePath(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
}

void makeDeletable(const QString &file)
{
    if (::geteuid() == 0) {
        setImmutable(file, false);
        return;
    }
    QFile::setPermissions(QFileInfo(file).absolutePath(),
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace velumo::test
