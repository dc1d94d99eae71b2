#pragma once

#include <QString>
#include <QStringList>

namespace velumo {

struct Form1State;

// The rows of the music panel's and the lyric panel's lists, made from the music and lyric
// tables, and the binding texts they show.
QStringList musicListRow(const Form1State &form1, int song);
QStringList lyricListRow(const Form1State &form1, int lyric);

// "[粗体]", "[斜体]", "[下划线]" for the styles a lyric row sets, in that order.
QString lyricFontStyleText(const Form1State &form1, int lyric);

// The list shows the bound lyric's name, or "未绑定歌词".
void showSongBinding(Form1State &form1, int song);
// The list shows the bound song's name (or "绑定N个音乐"), or "未绑定音乐".
void showLyricBinding(Form1State &form1, int lyric);

// Makes the list rows follow the table rows' captions: 1, 2, 3 ...
void renumberMusic(Form1State &form1);
void renumberLyrics(Form1State &form1);

} // namespace velumo
