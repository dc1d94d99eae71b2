#pragma once

#include "media/music_import.h"

#include <QString>
#include <QStringList>

#include <functional>

namespace velumo {

class ProgramFolder;
struct Form1State;

// Checks that a chosen file reads as LRC text and appends its row to the lyric table with the
// default styles: white 10-point bold 黑体, centred at the bottom, unbound. Throws
// velumo::Failure naming the file when it is binary, too large or unreadable; no row is added.
void appendLyric(Form1State &form1, const QString &path);

// Rebuilds the lyric list from the whole lyric table: position pairing with free songs, name
// cards, list rows. `afterRow` runs after each row.
void rebuildLyricList(Form1State &form1, const ProgramFolder &program, const std::function<void()> &afterRow = {});

// The music list's lyric column, after lyrics were bound.
void refreshMusicListBindings(Form1State &form1);

// A whole import: every file in order (refused ones skipped), the rebuilt list, the music
// list's bindings. `step` runs after each file and each row.
ImportOutcome importLyrics(Form1State &form1, const ProgramFolder &program, const QStringList &files,
                           const std::function<void()> &step = {});

// Working pictures of the photo panel that a lyric import clears when it ends.
void deleteLyricImportLeftovers(const ProgramFolder &program);

} // namespace velumo
