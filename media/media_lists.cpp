#include "media/media_lists.h"

#include "app/project/form1_state.h"
#include "media/media_columns.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QString boundLyricText(const Form1State &form1, int song)
{
    const QString &name = form1.ListView_daoru_yinyue.cell(song, music_col::LyricName);
    return name == noneToken() ? u"未绑定歌词"_s : name;
}

QString boundSongText(const Form1State &form1, int lyric)
{
    const QString &name = form1.ListView_daoru_LRC.cell(lyric, lyric_col::SongName);
    return name == noneToken() ? u"未绑定音乐"_s : name;
}

QString horizontalText(const QString &token)
{
    if (token == u"zuobian"_s)
        return u"歌词左边"_s;
    if (token == u"youbian"_s)
        return u"歌词右边"_s;
    return token == u"juzhong"_s ? u"歌词居中"_s : QString();
}

QString verticalText(const QString &token)
{
    if (token == u"shangmian"_s)
        return u"歌词在上面"_s;
    if (token == u"zhongjian"_s)
        return u"歌词在中间"_s;
    return token == u"xiamian"_s ? u"歌词在下面"_s : QString();
}

} // namespace

QStringList musicListRow(const Form1State &form1, int song)
{
    const StringTable &music = form1.ListView_daoru_yinyue;
    return {QString::number(song + 1),
            music.cell(song, music_col::Name),
            music.cell(song, music_col::Type),
            music.cell(song, music_col::Time),
            music.cell(song, music_col::Path),
            boundLyricText(form1, song)};
}

QString lyricFontStyleText(const Form1State &form1, int lyric)
{
    const StringTable &lyrics = form1.ListView_daoru_LRC;
    QString text;
    if (lyrics.cell(lyric, lyric_col::Bold) == u"cuti"_s)
        text += u"[粗体]"_s;
    if (lyrics.cell(lyric, lyric_col::Italic) == u"xieti"_s)
        text += u"[斜体]"_s;
    if (lyrics.cell(lyric, lyric_col::Underline) == u"xiahuaxian"_s)
        text += u"[下划线]"_s;
    return text;
}

QStringList lyricListRow(const Form1State &form1, int lyric)
{
    const StringTable &lyrics = form1.ListView_daoru_LRC;
    return {QString::number(lyric + 1),
            lyrics.cell(lyric, lyric_col::Name),
            lyrics.cell(lyric, lyric_col::Type),
            lyrics.cell(lyric, lyric_col::Path),
            boundSongText(form1, lyric),
            lyrics.cell(lyric, lyric_col::Colour),
            lyrics.cell(lyric, lyric_col::Size),
            lyrics.cell(lyric, lyric_col::Font),
            lyricFontStyleText(form1, lyric),
            horizontalText(lyrics.cell(lyric, lyric_col::Horizontal)),
            verticalText(lyrics.cell(lyric, lyric_col::Vertical))};
}

void showSongBinding(Form1State &form1, int song)
{
    if (song < form1.suiListView_yinyue_liebiao.rowCount())
        form1.suiListView_yinyue_liebiao.setCell(song, music_list_col::BoundLyric, boundLyricText(form1, song));
}

void showLyricBinding(Form1State &form1, int lyric)
{
    if (lyric < form1.suiListView_geci_liebiao.rowCount())
        form1.suiListView_geci_liebiao.setCell(lyric, lyric_list_col::BoundSong, boundSongText(form1, lyric));
}

namespace {

void renumber(StringTable &table, StringTable &list)
{
    for (int r = 0; r < table.rowCount(); ++r)
        table.setCaption(r, QString::number(r + 1));
    for (int r = 0; r < list.rowCount(); ++r)
        list.setCaption(r, QString::number(r + 1));
}

} // namespace

void renumberMusic(Form1State &form1)
{
    renumber(form1.ListView_daoru_yinyue, form1.suiListView_yinyue_liebiao);
}

void renumberLyrics(Form1State &form1)
{
    renumber(form1.ListView_daoru_LRC, form1.suiListView_geci_liebiao);
}

} // namespace velumo
