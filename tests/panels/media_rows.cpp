#include "tests/panels/media_rows.h"

#include "app/project/form1_state.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo::test {

void addPhoto(Form1State &form1, const QString &name, int instance, bool landscape)
{
    const QString number = QString::number(form1.ListView_daoruxiangpian.rowCount() + 1);
    const QString path = u"/photos/"_s + name + u".JPG"_s;
    const QString width = landscape ? u"1600"_s : u"900"_s;
    const QString height = landscape ? u"1200"_s : u"1600"_s;
    form1.ListView_daoruxiangpian.appendRow(
        {number, path, name, u".JPG"_s, width, height, landscape ? u"heng_zhao"_s : u"shu_zhao"_s,
         QString::number(instance), u"0"_s, u"trace"_s, u"1"_s, u"picture_1"_s, u"mb.rar"_s, u"400"_s,
         u"300"_s, u"|400|"_s, u"|300|"_s, u"|heng|"_s, u"|picture_1|"_s, u"100"_s, u"jiancai_yes"_s,
         u"jiancai_yes"_s});
    form1.suiListView_xiangpian_liebiao.appendRow(
        {number, name, u".jpg"_s, width, height, landscape ? u"横照片"_s : u"竖照片"_s, u"已绑定"_s, path.toLower()});
}

void addSong(Form1State &form1, const QString &name, const QString &lyricKey, const QString &lyricName)
{
    const QString number = QString::number(form1.ListView_daoru_yinyue.rowCount() + 1);
    const QString path = u"/music/"_s + name + u".mp3"_s;
    form1.ListView_daoru_yinyue.appendRow(
        {number, name, u".mp3"_s, path, u"00:3:25"_s, u"5125"_s, lyricKey, lyricName});
    form1.suiListView_yinyue_liebiao.appendRow(
        {number, name, u".mp3"_s, u"00:3:25"_s, path, lyricName == u"wu"_s ? u"未绑定歌词"_s : lyricName});
}

void addLyric(Form1State &form1, const QString &name, const QString &songKey, const QString &songName)
{
    const QString number = QString::number(form1.ListView_daoru_LRC.rowCount() + 1);
    const QString path = u"/lyrics/"_s + name + u".lrc"_s;
    form1.ListView_daoru_LRC.appendRow({number, name, u".lrc"_s, path, songKey, songName, u"clWhite"_s,
                                        u"16777215"_s, u"10"_s, u"黑体"_s, u"cuti"_s, u"wu"_s, u"wu"_s,
                                        u"juzhong"_s, u"xiamian"_s});
    form1.suiListView_geci_liebiao.appendRow({number, name, u".lrc"_s, path,
                                              songName == u"wu"_s ? u"未绑定音乐"_s : songName, u"clWhite"_s,
                                              u"10"_s, u"黑体"_s, u"[粗体]"_s, u"歌词居中"_s, u"歌词在下面"_s});
}

} // namespace velumo::test
