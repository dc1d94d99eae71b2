#pragma once

#include <QString>

#include <memory>

class QLockFile;

namespace velumo {

// The rule that only one copy of the program runs for a user: a lock named after the
// application title in the user's runtime folder, held until the process ends. A lock left
// by a copy that died is taken over.
class SingleInstanceLock
{
public:
    // `folder` empty means the user's runtime folder.
    explicit SingleInstanceLock(const QString &name, const QString &folder = {});
    ~SingleInstanceLock();
    SingleInstanceLock(const SingleInstanceLock &) = delete;
    SingleInstanceLock &operator=(const SingleInstanceLock &) = delete;

    // True when this process now holds the lock; false when another running copy holds it.
    bool tryAcquire();

    QString lockFilePath() const;

private:
    std::unique_ptr<QLockFile> m_lock;
    QString m_path;
};

} // namespace velumo
