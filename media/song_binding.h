#pragma once

#include <QString>

namespace velumo {

struct Form1State;

// Binding of songs (music table) and lyrics (lyric table) through a shared key: a song is bound
// to lyric L exactly when its key column equals L's key column and is not "wu". A song has at
// most one lyric; a lyric may be bound to several songs. Every function keeps the two panels'
// lists showing the bound names. Row numbers are 0-based.

// Song `song` and lyric `song` are bound when both are free.
void pairByPosition(Form1State &form1, int row);

void unbindSongRow(Form1State &form1, int song);
void unbindLyricRow(Form1State &form1, int lyric);

// The song takes the lyric (dropping any lyric it had); the lyric keeps its key or gets one.
void bindSongToLyric(Form1State &form1, int song, int lyric);
// The lyric picks the song: the song takes the lyric's key (or a new one for both).
void bindLyricToSong(Form1State &form1, int lyric, int song);
// Every lyric's song name column after manual binding: the one song that holds its key, or
// "绑定N个音乐" when N songs do; a lyric no song holds is unbound.
void recountLyrics(Form1State &form1);

// Unbinds everything, then binds song i to lyric i in order. Returns the number of songs left
// without a lyric.
int bindAutomatically(Form1State &form1);
QString unboundSongsMessage(int count);

void unbindAll(Form1State &form1);
// The lyric stays bound while another song still holds its key.
void unbindOneSong(Form1State &form1, int song);
// Every song holding the lyric's key is unbound with it.
void unbindOneLyric(Form1State &form1, int lyric);

// The songs and lyrics that hold `key` (never "wu") lose it: used when a row is deleted.
void freeLyricsOfKey(Form1State &form1, const QString &key);
void freeSongsOfKey(Form1State &form1, const QString &key);

} // namespace velumo
