#include "app/windows/application.h"

#include "app/base/failure.h"
#include "app/windows/album_commands.h"
#include "app/windows/binding_commands.h"
#include "app/windows/exit_dialog.h"
#include "app/windows/lyric_commands.h"
#include "app/windows/main_commands.h"
#include "app/windows/main_window.h"
#include "app/windows/music_commands.h"
#include "app/windows/photo_import_window.h"
#include "app/windows/render_window.h"
#include "app/windows/plugin_dialog.h"
#include "app/workspace/single_instance.h"
#include "app/workspace/working_tree.h"
#include "players/audio/ffmpeg_media_player.h"
#include "templates/template_catalogue.h"
#include "ui/message_box.h"

#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

Application::Application(ApplicationSetup setup)
    : m_setup(std::move(setup))
    , m_random(m_setup.random ? m_setup.random : std::make_shared<SeededRandomSource>(SeededRandomSource::fromEntropy()))
{
    if (!m_setup.choosePhotos)
        m_setup.choosePhotos = photoFileDialog();
}

Application::~Application() = default;

std::optional<int> Application::start()
{
    // Before anything is shown or touched: a second copy leaves silently, so the first copy's
    // working tree stays as it is.
    m_instanceLock = std::make_unique<SingleInstanceLock>(u"Velumo"_s, m_setup.lockFolder);
    if (!m_instanceLock->tryAcquire())
        return 0;

    m_skin = ui::makeSkinPictures();
    m_mainWindow = std::make_unique<MainWindow>(m_skin, m_model, m_setup.program, m_setup.endProcess);
    m_windows.Form1 = m_mainWindow.get();
    m_mainWindow->show();

    // A library that is not ours ends the program before anything else happens; one that is
    // incomplete or damaged is reported once the windows exist, and the program goes on with
    // the templates it could read.
    std::optional<QString> libraryProblem;
    try {
        buildTemplateCatalogue(m_setup.program, m_model.form1);
    } catch (const TemplateMarkerMissing &) {
        return 0;
    } catch (const Failure &failure) {
        libraryProblem = failure.message();
        classifyTemplates(m_model.form1);
        countTemplateSlots(m_model.form1);
    }

    std::optional<QString> workspaceProblem;
    try {
        working_tree::prepare(m_setup.program);
    } catch (const Failure &failure) {
        workspaceProblem = failure.message();
    }

    const HelpPages help{QUrl::fromLocalFile(m_setup.program.resolve(u"help\\plugin.html"_s)),
                         QUrl::fromLocalFile(m_setup.program.resolve(u"help\\plugin.html"_s)).resolved(QUrl(u"#install"_s))};
    createSecondaryWindows(m_windows, m_skin, help, {m_setup.program, m_model, *m_random, m_setup.playerFactory});
    m_mainWindow->setMessageBox(m_windows.Form8);
    m_mainWindow->setHintWindows(m_windows.Form30, {m_windows.Form31, m_windows.Form32, m_windows.Form33});
    m_photoCommands = std::make_unique<PhotoCommands>(m_model, *m_windows.MainForm, *m_windows.Form8,
                                                      m_setup.choosePhotos, m_mainWindow.get());
    createMediaCommands();
    connectCommands();

    if (workspaceProblem) {
        m_windows.Form8->showMessage(*workspaceProblem);
        return kExitWorkspaceUnusable;
    }
    if (libraryProblem)
        m_windows.Form8->showMessage(*libraryProblem);

    connect(m_mainWindow.get(), &MainWindow::exitRequested, this, &Application::requestExit);
    connect(m_mainWindow->startupCheckTimer(), &QTimer::timeout, this, &Application::startupCheck);
    connect(m_mainWindow->exitCleanUpTimer(), &QTimer::timeout, this, &Application::cleanUpAndClose);
    connect(m_windows.Form25, &ExitDialog::confirmed, m_mainWindow->exitCleanUpTimer(), qOverload<>(&QTimer::start));
    connect(m_windows.Form65, &PluginDialog::downloadPageOpened, this,
            [this] { m_windows.Form8->showMessage(u"安装插件，请先退出软件,然后再安装插件"_s); });
    connect(m_windows.Form65, &PluginDialog::quitRequested, m_mainWindow.get(), &QWidget::close);

    m_mainWindow->startupCheckTimer()->start();
    return std::nullopt;
}

void Application::connectCommands()
{
    MainWindow *main = m_mainWindow.get();
    main->setCommand(MainCommand::AddPhotos, [this, main] {
        main->closeHints();
        m_photoCommands->addPhotos();
    });
    connect(m_photoCommands.get(), &PhotoCommands::photosChanged, main, [main] {
        main->rebuildPhotoPanel();
        main->showPhotoArea();
    });

    const auto selected = [](int row) { return row == kNoItemSelected ? std::nullopt : std::optional<int>(row); };
    main->setCommand(MainCommand::AddMusic, [this, main] {
        main->closeHints();
        m_music->addMusic();
    });
    main->setCommand(MainCommand::AddLyrics, [this, main] {
        main->closeHints();
        m_lyrics->addLyrics();
    });
    main->setItemCommand(MainCommand::DeleteMusic, [this, selected](int row) { m_music->deleteSong(selected(row)); });
    main->setCommand(MainCommand::DeleteAllMusic, [this] { m_music->deleteAllSongs(); });
    main->setItemCommand(MainCommand::DeleteLyric, [this, selected](int row) { m_lyrics->deleteLyric(selected(row)); });
    main->setCommand(MainCommand::DeleteAllLyrics, [this] { m_lyrics->deleteAllLyrics(); });
    main->setItemCommand(MainCommand::BindMusic, [this, selected](int row) { m_binding->bindSong(selected(row)); });
    main->setItemCommand(MainCommand::BindLyric, [this, selected](int row) { m_binding->bindLyric(selected(row)); });
    main->setCommand(MainCommand::AutoBindMusic, [this] { m_binding->bindAutomaticallyFromMusic(); });
    main->setCommand(MainCommand::AutoBindLyrics, [this] { m_binding->bindAutomaticallyFromLyrics(); });
    main->setItemCommand(MainCommand::UnbindMusic, [this, selected](int row) { m_binding->unbindSong(selected(row)); });
    main->setItemCommand(MainCommand::UnbindLyric, [this, selected](int row) { m_binding->unbindLyric(selected(row)); });
    main->setCommand(MainCommand::UnbindAllMusic, [this] { m_binding->unbindAll(); });
    main->setCommand(MainCommand::UnbindAllLyrics, [this] { m_binding->unbindAll(); });

    // Songs and lyrics show each other's binding in their lists, so either change refreshes both.
    const auto refreshLists = [main] {
        main->refreshPanelList(MediaKind::Music);
        main->refreshPanelList(MediaKind::Lyrics);
    };
    connect(m_music.get(), &MusicCommands::songsAdded, main, [main, refreshLists] {
        main->rebuildMusicPanel();
        refreshLists();
        main->showMusicArea();
    });
    connect(m_music.get(), &MusicCommands::songsDeleted, main, [main, refreshLists] {
        main->rebuildMusicPanel();
        main->resetSelectionPreview();
        refreshLists();
    });
    connect(m_lyrics.get(), &LyricCommands::lyricsAdded, main, [main, refreshLists] {
        main->rebuildLyricPanel();
        refreshLists();
        main->showLyricArea();
    });
    connect(m_lyrics.get(), &LyricCommands::lyricsDeleted, main, [main, refreshLists] {
        main->rebuildLyricPanel();
        main->resetSelectionPreview();
        refreshLists();
    });
    connect(m_binding.get(), &BindingCommands::bindingsChanged, main, refreshLists);

    // A template movie that is not ours ends the program, as a foreign library does at start-up.
    connect(m_windows.frmMain, &RenderWindow::foreignTemplate, main, &QWidget::close);

    main->setCommand(MainCommand::AlbumLength, [this] { m_album->showAlbumLength(); });
    main->setCommand(MainCommand::OtherSettings, [this] { m_album->showOtherSettings(); });
    const std::pair<MainCommand, OutputKind> makeCommands[] = {
        {MainCommand::MakeVcd, OutputKind::Vcd},
        {MainCommand::MakeSvcd, OutputKind::Svcd},
        {MainCommand::MakeDvd, OutputKind::Dvd},
        {MainCommand::MakeAvi, OutputKind::Avi}};
    for (const auto &[command, kind] : makeCommands)
        main->setCommand(command, [this, kind = kind] { m_album->makeAlbum(kind); });
}

void Application::createMediaCommands()
{
    m_mediaPlayer = std::make_unique<FfmpegMediaPlayer>();
    const ChooseMediaFiles chooseFiles = fileDialogChooser(m_mainWindow.get());
    m_music = std::make_unique<MusicCommands>(m_model, m_setup.program, *m_mediaPlayer, m_windows, chooseFiles);
    m_lyrics = std::make_unique<LyricCommands>(m_model, m_setup.program, m_windows, chooseFiles);
    m_binding = std::make_unique<BindingCommands>(m_model, m_windows);

    m_album = std::make_unique<AlbumCommands>(
        m_model, AlbumWindows{*m_windows.Form2, *m_windows.Form17, *m_windows.Form39, *m_windows.Form49, *m_windows.Form8},
        albumFileDialog(), m_mainWindow.get());
    m_album->setStartRender([this](const AlbumRequest &request) {
        RenderWindow &render = *m_windows.frmMain;
        render.prepare(request);
        render.centreOnScreen();
        render.exec();
        if (!render.failure().isEmpty())
            m_windows.Form8->showMessage(render.failure());
    });
}

void Application::startupCheck()
{
    const QString probeMovie = m_setup.program.resolve(u"cj\\cj.swf"_s);
    if (!probeTemplatePlayer(m_setup.playerFactory, m_setup.program.path(), probeMovie))
        m_windows.Form65->exec();
}

void Application::requestExit()
{
    m_windows.Form25->setMessage(u"确定要退出本软件吗？"_s);
    m_windows.Form25->centreOnScreen();
    m_windows.Form25->exec();
}

void Application::cleanUpAndClose()
{
    m_mainWindow->summaryTimer()->stop();
    working_tree::cleanAtExit(m_setup.program);
    m_mainWindow->close();
}

} // namespace velumo
