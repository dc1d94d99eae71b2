#pragma once

#include "app/project/project_model.h"
#include "app/windows/photo_commands.h"
#include "app/windows/window_set.h"
#include "assign/random_source.h"
#include "app/workspace/program_folder.h"
#include "players/template_player.h"
#include "ui/skin_pictures.h"

#include <QObject>
#include <QString>

#include <functional>
#include <optional>

namespace velumo {

class AlbumCommands;
class BindingCommands;
class LyricCommands;
class MediaPlayer;
class MusicCommands;
class SingleInstanceLock;

struct ApplicationSetup
{
    ProgramFolder program;
    TemplatePlayerFactory playerFactory;
    // Ends the process with the given code at once (the main window closed).
    std::function<void(int)> endProcess;
    // Where the single-instance lock lives; empty for the user's runtime folder.
    QString lockFolder;
    // Where the photos to add come from; the file dialog when not set.
    PhotoFileChooser choosePhotos;
    // The template draws; seeded from the system when not set.
    std::shared_ptr<RandomSource> random;
};

// Starts the program: the single-instance rule, the windows, the working tree, the start-up
// check of the template player; and ends it: the exit confirmation and the clean-up.
class Application : public QObject
{
    Q_OBJECT

public:
    static constexpr int kExitWorkspaceUnusable = 1;

    explicit Application(ApplicationSetup setup);
    ~Application() override;

    // Runs start-up. Returns the exit code when the program must end now (another copy is
    // running, or the working tree cannot be made); nothing when the message loop should run.
    std::optional<int> start();

    ProjectModel &model() { return m_model; }
    const WindowSet &windows() const { return m_windows; }
    const ProgramFolder &program() const { return m_setup.program; }
    PhotoCommands &photoCommands() { return *m_photoCommands; }

    // The one media player of the program (the main window's MediaPlayer1), and the commands
    // of the music and lyric panels. They exist once start() has created the windows.
    MediaPlayer &mediaPlayer() { return *m_mediaPlayer; }
    MusicCommands &music() { return *m_music; }
    LyricCommands &lyrics() { return *m_lyrics; }
    BindingCommands &binding() { return *m_binding; }
    // The album's length, the other settings and the make-album commands.
    AlbumCommands &album() { return *m_album; }

private:
    void connectCommands();
    void createMediaCommands();
    void startupCheck();
    void requestExit();
    void cleanUpAndClose();

    ApplicationSetup m_setup;
    std::unique_ptr<SingleInstanceLock> m_instanceLock;
    ProjectModel m_model;
    std::shared_ptr<RandomSource> m_random;
    std::unique_ptr<PhotoCommands> m_photoCommands;
    ui::SkinPictures m_skin;
    std::unique_ptr<MainWindow> m_mainWindow;
    WindowSet m_windows;
    std::unique_ptr<MediaPlayer> m_mediaPlayer;
    std::unique_ptr<MusicCommands> m_music;
    std::unique_ptr<LyricCommands> m_lyrics;
    std::unique_ptr<BindingCommands> m_binding;
    std::unique_ptr<AlbumCommands> m_album;
};

} // namespace velumo
