#include "render/lyric_track.h"

#include "app/base/failure.h"
#include "app/project/dialog_states.h"
#include "app/project/form1_state.h"
#include "app/project/frm_main_state.h"
#include "media/lrc_tables.h"
#include "render/frame_time.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

constexpr int kMusicFrames = 5;
constexpr int kMusicLyricKey = 6;
constexpr int kLyricPath = 3;
constexpr int kLyricSongKey = 4;

const QString kRunning = u"kaishi"_s;

void increment(HiddenValue &value)
{
    value.setText(QString::number(value.number() + 1));
}

} // namespace

LyricTrack::LyricTrack(Form1State &form1, const Form49State &form49, FrmMainState &frmMain, QSize area)
    : m_form1(form1)
    , m_form49(form49)
    , m_frmMain(frmMain)
    , m_area(area)
{
}

void LyricTrack::start()
{
    m_frmMain.Edit_shijian_lrc.setText(u"0"_s);
    m_frmMain.Edit_shijian_lrc_num.setText(u"0"_s);
    m_frmMain.Edit_lrc_kaiguan.setText(u"tingzhi"_s);
    m_line.clear();
    m_styleRow = -1;
    if (m_form1.ListView_daoru_LRC.rowCount() == 0 || m_form1.ListView_daoru_yinyue.rowCount() == 0)
        return;
    m_line.setVisible(true);
    chooseLyricForSong(0, true);
    m_frmMain.Edit_lrc_kaiguan.setText(kRunning);
}

// Karaoke replaces the lyric line unless the user asked for both or for the line alone.
bool LyricTrack::lyricsShown() const
{
    const QString type = m_form49.Edit1_shiyong_lrc_or_ksc.text();
    return m_form1.suiListView_ksc.rowCount() == 0 || type == u"shiyong_lrc"_s || type == u"shiyong_lrcksc"_s;
}

void LyricTrack::chooseLyricForSong(int song, bool atStart)
{
    const StringTable &music = m_form1.ListView_daoru_yinyue;
    const StringTable &lyrics = m_form1.ListView_daoru_LRC;
    int row = -1;
    if (!(atStart && !lyricsShown())) {
        const QString key = music.cell(song, kMusicLyricKey);
        for (int r = 0; r < lyrics.rowCount(); ++r) {
            if (lyrics.cell(r, kLyricSongKey) == key)
                row = r; // the last bound lyric wins
        }
    }
    m_styleRow = row;
    if (row < 0) {
        m_form1.ListView_LRC_1.clear();
        m_form1.ListView_LRC_2.clear();
        m_form1.ListView_LRC_3.clear();
        return;
    }
    try {
        parseLrcFile(m_form1, lyrics.cell(row, kLyricPath));
    } catch (const Failure &failure) {
        // The song plays without its lyric; the render goes on.
        m_problems << failure.message();
    }
}

void LyricTrack::advance()
{
    const StringTable &lyrics = m_form1.ListView_daoru_LRC;
    const StringTable &music = m_form1.ListView_daoru_yinyue;
    if (m_frmMain.Edit_lrc_kaiguan.text() == kRunning)
        increment(m_frmMain.Edit_shijian_lrc);
    if (lyrics.rowCount() == 0)
        m_line.setVisible(false);
    if (m_frmMain.Edit_lrc_kaiguan.text() != kRunning || lyrics.rowCount() == 0 || music.rowCount() == 0
        || !lyricsShown())
        return;

    const QString key = frameTimeText(m_frmMain.Edit_shijian_lrc.number());
    m_frmMain.Edit_shijian_lrc_0.setText(key);
    if (const std::optional<int> found = m_form1.ListView_LRC_3.findCaptionPrefix(key)) {
        m_line.setText(m_form1.ListView_LRC_3.cell(*found, 1));
        if (m_styleRow >= 0)
            m_line.style(lyrics, m_styleRow, m_area);
    }
    changeSongIfEnded();
}

void LyricTrack::changeSongIfEnded()
{
    const StringTable &music = m_form1.ListView_daoru_yinyue;
    const int song = m_frmMain.Edit_shijian_lrc_num.number();
    if (song < music.rowCount()) {
        if (music.cellNumber(song, kMusicFrames) != m_frmMain.Edit_shijian_lrc.number())
            return;
        m_frmMain.Edit_shijian_lrc.setText(u"0"_s);
        m_line.clear();
        const int next = song + 1;
        m_frmMain.Edit_shijian_lrc_num.setText(QString::number(next));
        if (next >= music.rowCount())
            m_frmMain.Edit_lrc_kaiguan.setText(u"tingzhi2"_s);
        else if (next < m_form1.ListView_daoru_LRC.rowCount())
            chooseLyricForSong(next, false);
        else
            m_frmMain.Edit_lrc_kaiguan.setText(u"tingzhi1"_s);
        return;
    }
    m_frmMain.Edit_lrc_kaiguan.setText(u"tingzhi2"_s);
}

QStringList LyricTrack::takeProblems()
{
    QStringList problems;
    problems.swap(m_problems);
    return problems;
}

} // namespace velumo
