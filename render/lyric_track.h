#pragma once

#include "render/lyric_line.h"

#include <QSize>

namespace velumo {

struct Form1State;
struct Form49State;
struct FrmMainState;

// The LRC lyric line of a render: which lyric belongs to the song now playing, which of its
// lines shows at the lyric clock, and when the next song (and its lyric) begins. Its state
// lives in the render window's values (lyric clock, song index, lyric state) and in the parser
// tables of the main window, which every song change parses anew.
class LyricTrack
{
public:
    LyricTrack(Form1State &form1, const Form49State &form49, FrmMainState &frmMain, QSize area);

    // At render start: the lyric of the first song, when there are songs and lyrics.
    void start();
    // After a frame has been composed: the clock, the line for the next frame, song changes.
    void advance();

    const LyricLine &line() const { return m_line; }
    // Problems met (a lyric file that could not be read), for the conversion log.
    QStringList takeProblems();

private:
    bool lyricsShown() const;
    void chooseLyricForSong(int song, bool atStart);
    void changeSongIfEnded();

    Form1State &m_form1;
    const Form49State &m_form49;
    FrmMainState &m_frmMain;
    QSize m_area;
    LyricLine m_line;
    int m_styleRow = -1;
    QStringList m_problems;
};

} // namespace velumo
