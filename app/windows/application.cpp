#include "app/windows/application.h"

#include "app/base/failure.h"
#include "app/windows/binding_commands.h"
#include "app/windows/exit_dialog.h"
#include "app/windows/lyric_commands.h"
#include "app/windows/main_window.h"
#include "app/windows/music_commands.h"
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
{
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
    m_mainWindow = std::make_unique<MainWindow>(m_skin, m_setup.endProcess);
    m_windows.Form1 = m_mainWindow.get();
    m_mainWindow->centreOnScreen();
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
    createSecondaryWindows(m_windows, m_skin, help);
    createMediaCommands();

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

void Application::createMediaCommands()
{
    m_mediaPlayer = std::make_unique<FfmpegMediaPlayer>();
    const ChooseMediaFiles chooseFiles = fileDialogChooser(m_mainWindow.get());
    m_music = std::make_unique<MusicCommands>(m_model, m_setup.program, *m_mediaPlayer, m_windows, chooseFiles);
    m_lyrics = std::make_unique<LyricCommands>(m_model, m_setup.program, m_windows, chooseFiles);
    m_binding = std::make_unique<BindingCommands>(m_model, m_windows);
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
    working_tree::cleanAtExit(m_setup.program);
    m_mainWindow->close();
}

} // namespace velumo
