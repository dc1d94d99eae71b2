#pragma once

#include "app/windows/media_file_chooser.h"

#include <QObject>
#include <QStringList>

#include <optional>

namespace velumo {

class MediaPlayer;
class ProgramFolder;
struct ProjectModel;
struct WindowSet;

// The music panel's commands: adding songs through Form6, deleting one or all through Form12.
// Rows are 0-based; nothing means no song is selected.
class MusicCommands : public QObject
{
    Q_OBJECT

public:
    MusicCommands(ProjectModel &model, const ProgramFolder &program, MediaPlayer &player, const WindowSet &windows,
                  ChooseMediaFiles chooseFiles);

    // "添加音乐MP3": the file dialog, then the import.
    void addMusic();
    // The import of chosen files, with Form6 showing the progress.
    void importFiles(const QStringList &files);

    // "删除" / "删除音乐" and "全删" / "全部删除" of the music panel, confirmed in Form12.
    void deleteSong(std::optional<int> selectedRow);
    void deleteAllSongs();

signals:
    // Songs were added: the main window makes the panel's thumbnails again (the count is in
    // Edit_xianshikuang_pailie_yinyue) and shows the music area.
    void songsAdded();
    // Songs were deleted: the main window resets its preview area and the panel's thumbnails.
    void songsDeleted();

private:
    void performDelete(std::optional<int> row);

    ProjectModel &m_model;
    const ProgramFolder &m_program;
    MediaPlayer &m_player;
    const WindowSet &m_windows;
    ChooseMediaFiles m_chooseFiles;
};

} // namespace velumo
