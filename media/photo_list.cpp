#include "media/photo_list.h"

#include "app/project/form1_state.h"
#include "app/project/photo_columns.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

void rebuildPhotoList(Form1State &form1, const std::function<void()> &keepAlive)
{
    namespace pc = photo_column;
    StringTable &photos = form1.ListView_daoruxiangpian;
    StringTable &list = form1.suiListView_xiangpian_liebiao;
    list.clear();
    for (int row = 0; row < photos.rowCount(); ++row) {
        const QString number = QString::number(row + 1);
        photos.setCell(row, pc::kNumber, number);
        const bool landscape = photos.cell(row, pc::kOrientation) == u"heng_zhao"_s;
        list.appendRow({number, photos.cell(row, pc::kName), photos.cell(row, pc::kType).toLower(),
                        photos.cell(row, pc::kWidth), photos.cell(row, pc::kHeight),
                        landscape ? u"横照片"_s : u"竖照片"_s, u"已绑定"_s, photos.cell(row, pc::kPath).toLower()});
        keepAlive();
    }
}

} // namespace velumo
