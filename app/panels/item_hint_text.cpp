#include "app/panels/item_hint_text.h"

#include "app/project/form1_state.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QStringList photoLines(const StringTable &photos, int row)
{
    const bool landscape = photos.cell(row, 6) == u"heng_zhao"_s;
    return {u"相片名称："_s + photos.cell(row, 2),
            u"相片类型："_s + photos.cell(row, 3).toUpper(),
            u"相片尺寸："_s + photos.cell(row, 4) + u"*"_s + photos.cell(row, 5),
            u"横照竖照："_s + (landscape ? u"横照相片"_s : u"竖照相片"_s),
            u"相片序号："_s + QString::number(row + 1),
            u"提示：按住鼠标左键可以调整相片位置顺序"_s};
}

QStringList musicLines(const StringTable &music, int row)
{
    const bool bound = music.cell(row, 6) != u"wu"_s;
    return {u"音乐名称："_s + music.cell(row, 1),
            u"音乐类型："_s + music.cell(row, 2).toUpper(),
            u"音乐时长："_s + music.cell(row, 4),
            u"绑定状态："_s + (bound ? u"已绑定歌词"_s : u"未绑定歌词"_s),
            u"绑定歌词："_s + (bound ? music.cell(row, 7) : u"无"_s),
            u"音乐序号："_s + QString::number(row + 1),
            u"提示：按住鼠标左键可以调整音乐位置顺序"_s};
}

QStringList lyricLines(const StringTable &lyrics, int row)
{
    const bool bound = lyrics.cell(row, 4) != u"wu"_s;
    return {u"歌词名称："_s + lyrics.cell(row, 1),
            u"歌词类型："_s + lyrics.cell(row, 2).toUpper(),
            u"绑定状态："_s + (bound ? u"已绑定音乐"_s : u"未绑定音乐"_s),
            u"绑定音乐："_s + (bound ? lyrics.cell(row, 5) : u"无"_s),
            u"歌词序号："_s + QString::number(row + 1),
            u"提示：按住鼠标左键可以调整歌词位置顺序"_s};
}

} // namespace

QStringList itemHintLines(const Form1State &form1, MediaKind kind, int row)
{
    switch (kind) {
    case MediaKind::Photos:
        return photoLines(form1.ListView_daoruxiangpian, row);
    case MediaKind::Music:
        return musicLines(form1.ListView_daoru_yinyue, row);
    case MediaKind::Lyrics:
        break;
    }
    return lyricLines(form1.ListView_daoru_LRC, row);
}

} // namespace velumo
