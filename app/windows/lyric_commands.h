#pragma once

#include "app/windows/media_file_chooser.h"

#include <QObject>
#include <QStringList>

#include <optional>

namespace velumo {

class ProgramFolder;
struct ProjectModel;
struct WindowSet;

// The lyric panel's commands: adding LRC files through Form7, deleting one or all through
// Form13. Rows are 0-based; nothing means no lyric is selected.
class LyricCommands : public QObject
{
    Q_OBJECT

public:
    LyricCommands(ProjectModel &model, const ProgramFolder &program, const WindowSet &windows,
                  ChooseMediaFiles chooseFiles);

    // "添加歌词LRC": the file dialog, then the import.
    void addLyrics();
    // The import of chosen files, with Form7 showing the progress.
    void importFiles(const QStringList &files);

    // "删除" / "删除歌词" and "全删" / "全部删除" of the lyric panel, confirmed in Form13.
    void deleteLyric(std::optional<int> selectedRow);
    void deleteAllLyrics();

signals:
    // Lyrics were added: the main window makes the panel's thumbnails again (the count is in
    // Edit_xianshikuang_pailie_geci) and shows the lyric area.
    void lyricsAdded();
    // Lyrics were deleted: the main window resets its preview area and the panel's thumbnails.
    void lyricsDeleted();

private:
    void performDelete(std::optional<int> row);

    ProjectModel &m_model;
    const ProgramFolder &m_program;
    const WindowSet &m_windows;
    ChooseMediaFiles m_chooseFiles;
};

} // namespace velumo
