#include "app/windows/binding_commands.h"

#include "app/project/project_model.h"
#include "app/windows/binding_picker_dialog.h"
#include "app/windows/confirm_dialog.h"
#include "app/windows/window_set.h"
#include "media/song_binding.h"
#include "ui/message_box.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

const QString kNoLyrics = u"没有找到歌词文件！"_s;
const QString kNoSongs = u"没有找到音乐文件！"_s;
const QString kNoLyricSelected = u"没有选中歌词文件！"_s;
const QString kNoSongSelected = u"没有选中音乐文件！"_s;

bool validRow(std::optional<int> row, int count)
{
    return row && *row >= 0 && *row < count;
}

} // namespace

BindingCommands::BindingCommands(ProjectModel &model, const WindowSet &windows)
    : m_model(model)
    , m_windows(windows)
{
}

bool BindingCommands::noSongs() const
{
    return m_model.form1.ListView_daoru_yinyue.rowCount() == 0;
}

bool BindingCommands::noLyrics() const
{
    return m_model.form1.ListView_daoru_LRC.rowCount() == 0;
}

void BindingCommands::bindSong(std::optional<int> selectedSong)
{
    if (noSongs())
        return;
    if (noLyrics())
        return m_windows.Form8->showMessage(kNoLyrics);
    if (!validRow(selectedSong, m_model.form1.ListView_daoru_yinyue.rowCount()))
        return m_windows.Form8->showMessage(kNoSongSelected);

    m_model.form15.Edit_bangding_leixing.setText(u"yinyue_bangding"_s);
    BindingPickerDialog &picker = *m_windows.Form15;
    picker.showLyricPicker(m_model.form1.ListView_daoru_LRC);
    picker.execPicking([&](std::optional<int> lyric) {
        if (!lyric) {
            m_windows.Form8->showMessage(kNoLyricSelected);
            return false;
        }
        bindSongToLyric(m_model.form1, *selectedSong, *lyric);
        emit bindingsChanged();
        return true;
    });
}

void BindingCommands::bindLyric(std::optional<int> selectedLyric)
{
    if (noSongs())
        return m_windows.Form8->showMessage(kNoSongs);
    if (noLyrics())
        return;
    if (!validRow(selectedLyric, m_model.form1.ListView_daoru_LRC.rowCount()))
        return m_windows.Form8->showMessage(kNoLyricSelected);

    m_model.form15.Edit_bangding_leixing.setText(u"geci_bangding"_s);
    BindingPickerDialog &picker = *m_windows.Form15;
    picker.showSongPicker(m_model.form1.ListView_daoru_yinyue);
    picker.execPicking([&](std::optional<int> song) {
        if (!song) {
            m_windows.Form8->showMessage(kNoSongSelected);
            return false;
        }
        bindLyricToSong(m_model.form1, *selectedLyric, *song);
        emit bindingsChanged();
        return true;
    });
}

void BindingCommands::bindAutomaticallyFromMusic()
{
    if (noSongs())
        return;
    if (noLyrics())
        return m_windows.Form8->showMessage(kNoLyrics);
    confirmInForm14(u"自动绑定"_s, u"自动绑定会先解绑所有的绑定,然后按顺序重新自动绑定。确定自动绑定吗？"_s,
                    u"zidongbangding"_s, std::nullopt);
}

void BindingCommands::bindAutomaticallyFromLyrics()
{
    if (noSongs())
        return m_windows.Form8->showMessage(kNoSongs);
    if (noLyrics())
        return;
    confirmInForm14(u"自动绑定"_s, u"自动绑定会先解绑所有的绑定,然后按顺序重新自动绑定。确定自动绑定吗？"_s,
                    u"zidongbangding"_s, std::nullopt);
}

void BindingCommands::unbindSong(std::optional<int> selectedSong)
{
    if (noSongs())
        return;
    if (noLyrics())
        return m_windows.Form8->showMessage(kNoLyrics);
    if (!validRow(selectedSong, m_model.form1.ListView_daoru_yinyue.rowCount()))
        return m_windows.Form8->showMessage(kNoSongSelected);
    confirmInForm14(u"解除绑定"_s, u"确定解除绑定吗？"_s, u"dangejiechubangding_yinyue"_s, selectedSong);
}

void BindingCommands::unbindLyric(std::optional<int> selectedLyric)
{
    if (noSongs())
        return m_windows.Form8->showMessage(kNoSongs);
    if (noLyrics())
        return;
    if (!validRow(selectedLyric, m_model.form1.ListView_daoru_LRC.rowCount()))
        return m_windows.Form8->showMessage(kNoLyricSelected);
    confirmInForm14(u"解除绑定"_s, u"确定解除绑定吗？"_s, u"dangejiechubangding_geci"_s, selectedLyric);
}

void BindingCommands::unbindAll()
{
    if (noSongs() || noLyrics())
        return;
    confirmInForm14(u"全部解绑"_s, u"确定全部解除绑定吗？"_s, u"quanbujiebang"_s, std::nullopt);
}

void BindingCommands::confirmInForm14(const QString &caption, const QString &message, const QString &action,
                                      std::optional<int> row)
{
    ConfirmDialog &dialog = *m_windows.Form14;
    dialog.setWindowTitle(caption);
    dialog.setMessage(message);
    m_model.form14.Edit_bangding_or_jiebang.setText(action);
    dialog.centreOnScreen();
    if (dialog.exec() == QDialog::Accepted)
        performForm14Action(row);
}

void BindingCommands::performForm14Action(std::optional<int> row)
{
    Form1State &form1 = m_model.form1;
    const QString action = m_model.form14.Edit_bangding_or_jiebang.text();
    if (action == u"quanbujiebang"_s) {
        velumo::unbindAll(form1);
    } else if (action == u"zidongbangding"_s) {
        const int unbound = bindAutomatically(form1);
        emit bindingsChanged();
        if (unbound > 0)
            m_windows.Form8->showMessage(unboundSongsMessage(unbound));
        return;
    } else if (action == u"dangejiechubangding_yinyue"_s && row) {
        unbindOneSong(form1, *row);
    } else if (action == u"dangejiechubangding_geci"_s && row) {
        unbindOneLyric(form1, *row);
    }
    emit bindingsChanged();
}

} // namespace velumo
