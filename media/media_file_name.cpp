#include "media/media_file_name.h"

#include <QFileInfo>

namespace velumo {

QString mediaDisplayName(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.size() > 4 ? name.chopped(4) : QString();
}

QString mediaExtension(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    const qsizetype dot = name.lastIndexOf(u'.');
    return dot < 0 ? QString() : name.mid(dot);
}

} // namespace velumo
