// velumo-cli: makes an album without any window, through the same libraries and project
// tables as the program.
#include "app/base/failure.h"
#include "app/base/font_names.h"
#include "app/cli/album_maker.h"
#include "app/cli/cli_options.h"
#include "app/cli/exit_codes.h"
#include "app/cli/lrc_listing.h"
#include "app/cli/terminal_progress.h"

#include <QDir>
#include <QGuiApplication>

#include <csignal>
#include <cstdio>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;

namespace {

volatile std::sig_atomic_t g_stopRequested = 0;

void requestStop(int)
{
    g_stopRequested = 1;
}

void printLine(std::FILE *stream, const QString &text)
{
    std::fputs((text + u'\n').toUtf8().constData(), stream);
    std::fflush(stream);
}

int listLrc(const cli::LrcListing &listing)
{
    try {
        for (const QString &line : cli::lrcTimeline(listing.file))
            printLine(stdout, line);
        return cli::kExitSuccess;
    } catch (const Failure &failure) {
        printLine(stderr, failure.message());
        return cli::kExitAlbumFailed;
    }
}

int makeAlbum(const cli::AlbumOptions &options)
{
    // Ctrl+C and termination end the conversion at the next frame, so that the partial album
    // and the working folder are removed on the way out.
    std::signal(SIGINT, requestStop);
    std::signal(SIGTERM, requestStop);
    cli::TerminalProgress progress(stderr);
    const cli::AlbumReporting reporting{[](const QString &notice) { printLine(stderr, notice); }, &progress,
                                        [] { return g_stopRequested != 0; }};
    const cli::AlbumOutcome outcome = cli::makeAlbum(options, ProgramFolder::ofExecutable(), reporting);
    if (!outcome.message.isEmpty())
        printLine(stderr, outcome.message);
    if (outcome.exitCode == cli::kExitSuccess)
        printLine(stdout, u"相册已制作完成：%1"_s.arg(QDir::toNativeSeparators(outcome.albumPath)));
    return outcome.exitCode;
}

} // namespace

int main(int argc, char *argv[])
{
    // Frames are painted off screen; no display is needed or used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(u"velumo-cli"_s);
    installFontSubstitutions();

    const cli::ParsedCommandLine parsed = cli::parseCommandLine(QGuiApplication::arguments());
    if (const auto *help = std::get_if<cli::HelpRequest>(&parsed)) {
        std::fputs(help->text.toUtf8().constData(), stdout);
        return cli::kExitSuccess;
    }
    if (const auto *error = std::get_if<cli::CommandLineError>(&parsed)) {
        printLine(stderr, error->message);
        printLine(stderr, u"用 velumo-cli --help 查看用法。"_s);
        return cli::kExitBadCommandLine;
    }
    if (const auto *listing = std::get_if<cli::LrcListing>(&parsed))
        return listLrc(*listing);
    return makeAlbum(std::get<cli::AlbumOptions>(parsed));
}
