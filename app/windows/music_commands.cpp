#include "app/windows/music_commands.h"

#include "app/project/project_model.h"
#include "app/windows/confirm_dialog.h"
#include "app/windows/import_progress_dialog.h"
#include "app/windows/window_set.h"
#include "media/music_delete.h"
#include "media/music_import.h"
#include "ui/message_box.h"
#include "ui/reported_command.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

MusicCommands::MusicCommands(ProjectModel &model, const ProgramFolder &program, MediaPlayer &player,
                             const WindowSet &windows, ChooseMediaFiles chooseFiles)
    : m_model(model)
    , m_program(program)
    , m_player(player)
    , m_windows(windows)
    , m_chooseFiles(std::move(chooseFiles))
{
}

void MusicCommands::addMusic()
{
    const QStringList files =
        m_chooseFiles(u"添加音乐文件(MP3) (*.mp3)"_s, sampleMediaFile(m_program, u"甜蜜蜜.mp3"_s));
    importFiles(files);
}

void MusicCommands::importFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    Form1State &form1 = m_model.form1;
    ImportOutcome outcome;
    const bool ran = ui::runReported(*m_windows.Form8, [&] {
        ImportProgressDialog &progress = *m_windows.Form6;
        progress.run(int(files.size()) * 2, [&] {
            outcome = importSongs(form1, m_program, m_player, files, [&] { progress.advance(); });
        });
    });
    if (ran && !outcome.refusals.isEmpty())
        m_windows.Form8->showMessage(refusalSummary(outcome.refusals));

    form1.Edit_tubiao_liebiao.setText(u"tubiao"_s);
    if (form1.ListView_daoru_yinyue.rowCount() > 0) {
        form1.Edit_xianshikuang_pailie_yinyue.setText(QString::number(form1.ListView_daoru_yinyue.rowCount()));
        emit songsAdded();
    }
}

void MusicCommands::deleteSong(std::optional<int> selectedRow)
{
    const int count = m_model.form1.ListView_daoru_yinyue.rowCount();
    if (count == 0)
        return;
    if (!selectedRow || *selectedRow < 0 || *selectedRow >= count) {
        m_windows.Form8->showMessage(u"没有选中音乐文件！"_s);
        return;
    }
    m_model.form12.Edit_delete_leixing.setText(u"dan_ge_shang_chu"_s);
    m_windows.Form12->setMessage(u"确定删除这个音乐文件吗？"_s);
    m_windows.Form12->centreOnScreen();
    if (m_windows.Form12->exec() == QDialog::Accepted)
        performDelete(selectedRow);
}

void MusicCommands::deleteAllSongs()
{
    if (m_model.form1.ListView_daoru_yinyue.rowCount() == 0)
        return;
    m_model.form12.Edit_delete_leixing.setText(u"quan_bu_shang_chu"_s);
    m_windows.Form12->setMessage(u"确定删除全部音乐文件吗？"_s);
    m_windows.Form12->centreOnScreen();
    if (m_windows.Form12->exec() == QDialog::Accepted)
        performDelete(std::nullopt);
}

// "确定删除" of Form12: the delete its mode names.
void MusicCommands::performDelete(std::optional<int> row)
{
    const QString mode = m_model.form12.Edit_delete_leixing.text();
    ui::runReported(*m_windows.Form8, [&] {
        if (mode == u"dan_ge_shang_chu"_s && row)
            velumo::deleteSong(m_model.form1, m_program, *row);
        else if (mode == u"quan_bu_shang_chu"_s)
            velumo::deleteAllSongs(m_model.form1, m_model.form2, m_program);
    });
    emit songsDeleted();
}

} // namespace velumo
