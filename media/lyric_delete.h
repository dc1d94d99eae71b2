#pragma once

namespace velumo {

class ProgramFolder;
struct Form1State;

// Removes lyric `row` (0-based): its name card goes, later cards move down with their rows,
// rows are renumbered 1..n, and every song bound to it is freed. Clears the panel selection.
void deleteLyric(Form1State &form1, const ProgramFolder &program, int row);

// Removes every lyric and the last parse: the songs are freed and the card folder emptied.
// Throws velumo::Failure when the card folder cannot be made again.
void deleteAllLyrics(Form1State &form1, const ProgramFolder &program);

} // namespace velumo
