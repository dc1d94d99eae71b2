#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace velumo {

class MediaPlayer;
class ProgramFolder;
struct Form1State;

// Measures a chosen file with the shared player and appends its row to the music table.
// Throws velumo::Failure naming the file when the player cannot open or measure it; no row is
// added then, so no song ever has a length the player did not measure.
void appendSong(Form1State &form1, MediaPlayer &player, const QString &path);

// Rebuilds the music list from the whole music table: every row is paired by position with a
// free lyric, gets its name card and its list row. `afterRow` runs after each row.
void rebuildMusicList(Form1State &form1, const ProgramFolder &program, const std::function<void()> &afterRow = {});

// The lyric list's song column, after songs were bound.
void refreshLyricListBindings(Form1State &form1);

struct ImportOutcome
{
    int added = 0;
    QStringList refusals; // one message per file that was skipped
};

// A whole import: every file in order (the refused ones skipped), then the rebuilt list.
// `step` runs after each file and after each row of the list.
ImportOutcome importSongs(Form1State &form1, const ProgramFolder &program, MediaPlayer &player,
                          const QStringList &files, const std::function<void()> &step = {});

// One message for all the files an import skipped.
QString refusalSummary(const QStringList &refusals);

} // namespace velumo
