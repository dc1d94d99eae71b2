#include "render/output/album_preconditions.h"

#include "app/base/failure.h"
#include "app/project/form1_state.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

void requirePhotos(const Form1State &form1)
{
    if (form1.ListView_daoruxiangpian.rowCount() == 0)
        throw Failure(u"没有添加相片文件！"_s);
}

bool asksLyricType(const Form1State &form1)
{
    return form1.ListView_daoru_yinyue.rowCount() > 0 && form1.suiListView_ksc.rowCount() > 0;
}

void createPictureFolder(const QString &folder)
{
    if (QFileInfo(folder).isDir())
        throw Failure(u"输入的文件名存在, 请更换保存的文件名！"_s);
    if (!QDir().mkpath(folder) || !QFileInfo(folder).isDir())
        throw Failure(u"无法创建保存序列图片的文件夹：%1\n请更换保存的位置或文件名！"_s.arg(QDir::toNativeSeparators(folder)));
}

} // namespace velumo
