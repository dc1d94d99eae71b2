#include "media/song_binding.h"

#include "app/project/form1_state.h"
#include "media/binding_key.h"
#include "media/media_columns.h"
#include "media/media_lists.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

StringTable &songs(Form1State &form1)
{
    return form1.ListView_daoru_yinyue;
}

StringTable &lyrics(Form1State &form1)
{
    return form1.ListView_daoru_LRC;
}

void bindPair(Form1State &form1, int row)
{
    const QString key = makeBindingKey(row + 1);
    songs(form1).setCell(row, music_col::LyricKey, key);
    songs(form1).setCell(row, music_col::LyricName, lyrics(form1).cell(row, lyric_col::Name));
    lyrics(form1).setCell(row, lyric_col::SongKey, key);
    lyrics(form1).setCell(row, lyric_col::SongName, songs(form1).cell(row, music_col::Name));
    showSongBinding(form1, row);
    showLyricBinding(form1, row);
}

bool holdsKey(Form1State &form1, int song, const QString &key)
{
    const QString &own = songs(form1).cell(song, music_col::LyricKey);
    return own != noneToken() && own == key;
}

} // namespace

void pairByPosition(Form1State &form1, int row)
{
    if (row >= songs(form1).rowCount() || row >= lyrics(form1).rowCount())
        return;
    if (songs(form1).cell(row, music_col::LyricKey) == noneToken()
        && lyrics(form1).cell(row, lyric_col::SongKey) == noneToken())
        bindPair(form1, row);
}

void unbindSongRow(Form1State &form1, int song)
{
    songs(form1).setCell(song, music_col::LyricKey, noneToken());
    songs(form1).setCell(song, music_col::LyricName, noneToken());
    showSongBinding(form1, song);
}

void unbindLyricRow(Form1State &form1, int lyric)
{
    lyrics(form1).setCell(lyric, lyric_col::SongKey, noneToken());
    lyrics(form1).setCell(lyric, lyric_col::SongName, noneToken());
    showLyricBinding(form1, lyric);
}

void bindSongToLyric(Form1State &form1, int song, int lyric)
{
    if (lyrics(form1).cell(lyric, lyric_col::SongKey) == noneToken())
        lyrics(form1).setCell(lyric, lyric_col::SongKey, makeBindingKey(1));
    lyrics(form1).setCell(lyric, lyric_col::SongName, songs(form1).cell(song, music_col::Name));
    showLyricBinding(form1, lyric);
    songs(form1).setCell(song, music_col::LyricKey, lyrics(form1).cell(lyric, lyric_col::SongKey));
    songs(form1).setCell(song, music_col::LyricName, lyrics(form1).cell(lyric, lyric_col::Name));
    showSongBinding(form1, song);
    recountLyrics(form1);
}

void bindLyricToSong(Form1State &form1, int lyric, int song)
{
    const QString &lyricKey = lyrics(form1).cell(lyric, lyric_col::SongKey);
    songs(form1).setCell(song, music_col::LyricKey, lyricKey != noneToken() ? lyricKey : makeBindingKey(1));
    songs(form1).setCell(song, music_col::LyricName, lyrics(form1).cell(lyric, lyric_col::Name));
    showSongBinding(form1, song);
    lyrics(form1).setCell(lyric, lyric_col::SongKey, songs(form1).cell(song, music_col::LyricKey));
    lyrics(form1).setCell(lyric, lyric_col::SongName, songs(form1).cell(song, music_col::Name));
    showLyricBinding(form1, lyric);
    recountLyrics(form1);
}

void recountLyrics(Form1State &form1)
{
    for (int l = 0; l < lyrics(form1).rowCount(); ++l) {
        const QString key = lyrics(form1).cell(l, lyric_col::SongKey);
        int holders = 0;
        int holder = -1;
        for (int s = 0; s < songs(form1).rowCount(); ++s) {
            if (holdsKey(form1, s, key)) {
                ++holders;
                holder = s;
            }
        }
        if (holders == 0) {
            unbindLyricRow(form1, l);
            continue;
        }
        const QString name = holders == 1 ? songs(form1).cell(holder, music_col::Name)
                                           : u"绑定"_s + QString::number(holders) + u"个音乐"_s;
        lyrics(form1).setCell(l, lyric_col::SongName, name);
        showLyricBinding(form1, l);
    }
}

int bindAutomatically(Form1State &form1)
{
    unbindAll(form1);
    for (int i = 0; i < songs(form1).rowCount() && i < lyrics(form1).rowCount(); ++i)
        bindPair(form1, i);
    int unbound = 0;
    for (int s = 0; s < songs(form1).rowCount(); ++s) {
        if (songs(form1).cell(s, music_col::LyricKey) == noneToken()
            && songs(form1).cell(s, music_col::LyricName) == noneToken())
            ++unbound;
    }
    return unbound;
}

QString unboundSongsMessage(int count)
{
    return u"添加的歌词数量与添加的音乐数量不一致,还有 "_s + QString::number(count) + u" 个音乐没有绑定"_s;
}

void unbindAll(Form1State &form1)
{
    for (int s = 0; s < songs(form1).rowCount(); ++s)
        unbindSongRow(form1, s);
    for (int l = 0; l < lyrics(form1).rowCount(); ++l)
        unbindLyricRow(form1, l);
}

void unbindOneSong(Form1State &form1, int song)
{
    const QString key = songs(form1).cell(song, music_col::LyricKey);
    unbindSongRow(form1, song);
    if (key == noneToken())
        return;
    for (int s = 0; s < songs(form1).rowCount(); ++s) {
        if (holdsKey(form1, s, key))
            return;
    }
    freeLyricsOfKey(form1, key);
}

void unbindOneLyric(Form1State &form1, int lyric)
{
    const QString key = lyrics(form1).cell(lyric, lyric_col::SongKey);
    unbindLyricRow(form1, lyric);
    freeSongsOfKey(form1, key);
}

void freeLyricsOfKey(Form1State &form1, const QString &key)
{
    if (key == noneToken())
        return;
    for (int l = 0; l < lyrics(form1).rowCount(); ++l) {
        if (lyrics(form1).cell(l, lyric_col::SongKey) == key)
            unbindLyricRow(form1, l);
    }
}

void freeSongsOfKey(Form1State &form1, const QString &key)
{
    if (key == noneToken())
        return;
    for (int s = 0; s < songs(form1).rowCount(); ++s) {
        if (songs(form1).cell(s, music_col::LyricKey) == key)
            unbindSongRow(form1, s);
    }
}

} // namespace velumo
