#include "app/workspace/folder_guarantee.h"

#include "app/base/failure.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QThread>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

void ensureFolder(const QString &folder, std::chrono::milliseconds patience)
{
    const QDeadlineTimer deadline(patience);
    for (;;) {
        if (QFileInfo(folder).isDir())
            return;
        if (QCoreApplication::instance() != nullptr)
            QCoreApplication::processEvents();
        if (QDir().mkpath(folder) && QFileInfo(folder).isDir())
            return;
        if (deadline.hasExpired())
            break;
        QThread::msleep(50);
    }
    throw Failure(u"无法创建工作文件夹：\n"_s + QDir::toNativeSeparators(QDir::cleanPath(folder))
                  + u"\n请确认软件所在的文件夹可以写入，然后重新启动软件。"_s);
}

} // namespace velumo
