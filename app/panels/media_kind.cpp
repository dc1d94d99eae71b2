#include "app/panels/media_kind.h"

#include "app/project/form1_state.h"
#include "app/workspace/program_folder.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

MediaTables mediaTables(Form1State &form1, MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photos:
        return {form1.ListView_daoruxiangpian, form1.suiListView_xiangpian_liebiao, form1.Edit_xianshikuang_pailie};
    case MediaKind::Music:
        return {form1.ListView_daoru_yinyue, form1.suiListView_yinyue_liebiao, form1.Edit_xianshikuang_pailie_yinyue};
    case MediaKind::Lyrics:
        break;
    }
    return {form1.ListView_daoru_LRC, form1.suiListView_geci_liebiao, form1.Edit_xianshikuang_pailie_geci};
}

const StringTable &itemTable(const Form1State &form1, MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photos:
        return form1.ListView_daoruxiangpian;
    case MediaKind::Music:
        return form1.ListView_daoru_yinyue;
    case MediaKind::Lyrics:
        break;
    }
    return form1.ListView_daoru_LRC;
}

QSize thumbnailSize(const Form1State &form1, MediaKind kind)
{
    if (kind != MediaKind::Photos)
        return {150, 150};
    return {form1.Edit_xiangpian_Width.number(), form1.Edit_xiangpian_Height.number()};
}

namespace {

QString suffix(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photos:
        return u"1"_s;
    case MediaKind::Music:
        return u"2"_s;
    case MediaKind::Lyrics:
        break;
    }
    return u"3"_s;
}

} // namespace

QString thumbnailFolder(MediaKind kind)
{
    return u"smxcwjj\\tp_wj\\tp_slt_"_s + suffix(kind);
}

QString thumbnailStem(MediaKind kind)
{
    return u"tp_slt_"_s + suffix(kind) + u"_"_s;
}

QString thumbnailFile(const ProgramFolder &program, const Form1State &form1, MediaKind kind, int number)
{
    return program.resolve(thumbnailFolder(kind) + u"\\"_s + thumbnailStem(kind) + QString::number(number)
                           + form1.Edit_kuozhanming_7.text());
}

QString thumbnailNamePrefix(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photos:
        return u"Imagem_"_s;
    case MediaKind::Music:
        return u"Imagemyinyue_"_s;
    case MediaKind::Lyrics:
        break;
    }
    return u"Imagemgeci_"_s;
}

QString frameName(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photos:
        return u"Panel_xianshikuang"_s;
    case MediaKind::Music:
        return u"Panel_xianshikuang_yinyue"_s;
    case MediaKind::Lyrics:
        break;
    }
    return u"Panel_xianshikuang_geci"_s;
}

QString innerPanelName(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photos:
        return u"Panel_xianshikuang_daxiao"_s;
    case MediaKind::Music:
        return u"Panel_xianshikuang_daxiao_yinyue"_s;
    case MediaKind::Lyrics:
        break;
    }
    return u"Panel_xianshikuang_daxiao_geci"_s;
}

QString previewBoxTitle(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photos:
        return u"        相片缩略图预览"_s;
    case MediaKind::Music:
        return u"        音乐缩略图预览"_s;
    case MediaKind::Lyrics:
        break;
    }
    return u"        歌词缩略图预览"_s;
}

QString areaName(MediaKind kind)
{
    switch (kind) {
    case MediaKind::Photos:
        return u"相片区域"_s;
    case MediaKind::Music:
        return u"音乐区域"_s;
    case MediaKind::Lyrics:
        break;
    }
    return u"歌词区域"_s;
}

} // namespace velumo
