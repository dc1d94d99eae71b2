#include "app/workspace/single_instance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QString runtimeFolder()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return folder;
}

} // namespace

SingleInstanceLock::SingleInstanceLock(const QString &name, const QString &folder)
    : m_path((folder.isEmpty() ? runtimeFolder() : folder) + u'/' + name + u".lock"_s)
{
    QDir().mkpath(QFileInfo(m_path).absolutePath());
    m_lock = std::make_unique<QLockFile>(m_path);
    // Never declare a live holder's lock stale by age; a dead holder is detected by its pid.
    m_lock->setStaleLockTime(0);
}

SingleInstanceLock::~SingleInstanceLock() = default;

bool SingleInstanceLock::tryAcquire()
{
    return m_lock->isLocked() || m_lock->tryLock(0);
}

QString SingleInstanceLock::lockFilePath() const
{
    return m_path;
}

} // namespace velumo
