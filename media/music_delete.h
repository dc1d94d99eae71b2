#pragma once

namespace velumo {

class ProgramFolder;
struct Form1State;
struct Form2State;

// Removes song `row` (0-based): its name card goes, the cards of later songs move down with
// their rows, rows are renumbered 1..n, and the lyric it was bound to is freed unless another
// song still holds that lyric. Clears the panel selection.
void deleteSong(Form1State &form1, const ProgramFolder &program, int row);

// Removes every song: the lyrics are freed, the card folder is emptied, and the album length
// follows the photos again. Throws velumo::Failure when the card folder cannot be made again.
void deleteAllSongs(Form1State &form1, Form2State &form2, const ProgramFolder &program);

} // namespace velumo
