#include "app/windows/lyric_commands.h"

#include "app/project/project_model.h"
#include "app/windows/confirm_dialog.h"
#include "app/windows/import_progress_dialog.h"
#include "app/windows/window_set.h"
#include "media/lyric_delete.h"
#include "media/lyric_import.h"
#include "ui/message_box.h"
#include "ui/reported_command.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

LyricCommands::LyricCommands(ProjectModel &model, const ProgramFolder &program, const WindowSet &windows,
                             ChooseMediaFiles chooseFiles)
    : m_model(model)
    , m_program(program)
    , m_windows(windows)
    , m_chooseFiles(std::move(chooseFiles))
{
}

void LyricCommands::addLyrics()
{
    const QStringList files =
        m_chooseFiles(u"添加歌词文件(LRC) (*.lrc)"_s, sampleMediaFile(m_program, u"甜蜜蜜.lrc"_s));
    importFiles(files);
}

void LyricCommands::importFiles(const QStringList &files)
{
    if (files.isEmpty())
        return;
    Form1State &form1 = m_model.form1;
    ImportOutcome outcome;
    const bool ran = ui::runReported(*m_windows.Form8, [&] {
        ImportProgressDialog &progress = *m_windows.Form7;
        progress.run(int(files.size()) * 2, [&] {
            outcome = importLyrics(form1, m_program, files, [&] { progress.advance(); });
        });
        deleteLyricImportLeftovers(m_program);
    });
    if (ran && !outcome.refusals.isEmpty())
        m_windows.Form8->showMessage(refusalSummary(outcome.refusals));

    form1.Edit_tubiao_liebiao.setText(u"tubiao"_s);
    if (form1.ListView_daoru_LRC.rowCount() > 0) {
        form1.Edit_xianshikuang_pailie_geci.setText(QString::number(form1.ListView_daoru_LRC.rowCount()));
        emit lyricsAdded();
    }
}

void LyricCommands::deleteLyric(std::optional<int> selectedRow)
{
    const int count = m_model.form1.ListView_daoru_LRC.rowCount();
    if (count == 0)
        return;
    if (!selectedRow || *selectedRow < 0 || *selectedRow >= count) {
        m_windows.Form8->showMessage(u"没有选中歌词文件！"_s);
        return;
    }
    m_model.form13.Edit_delete_leixing.setText(u"dan_ge_shang_chu"_s);
    m_windows.Form13->setMessage(u"确定删除这个歌词文件吗？"_s);
    m_windows.Form13->centreOnScreen();
    if (m_windows.Form13->exec() == QDialog::Accepted)
        performDelete(selectedRow);
}

void LyricCommands::deleteAllLyrics()
{
    if (m_model.form1.ListView_daoru_LRC.rowCount() == 0)
        return;
    m_model.form13.Edit_delete_leixing.setText(u"quan_bu_shang_chu"_s);
    m_windows.Form13->setMessage(u"确定删除全部歌词文件吗？"_s);
    m_windows.Form13->centreOnScreen();
    if (m_windows.Form13->exec() == QDialog::Accepted)
        performDelete(std::nullopt);
}

// "确定删除" of Form13: the delete its mode names.
void LyricCommands::performDelete(std::optional<int> row)
{
    const QString mode = m_model.form13.Edit_delete_leixing.text();
    ui::runReported(*m_windows.Form8, [&] {
        if (mode == u"dan_ge_shang_chu"_s && row)
            velumo::deleteLyric(m_model.form1, m_program, *row);
        else if (mode == u"quan_bu_shang_chu"_s)
            velumo::deleteAllLyrics(m_model.form1, m_program);
    });
    emit lyricsDeleted();
}

} // namespace velumo
