#pragma once

#include "app/cli/cli_options.h"
#include "app/workspace/program_folder.h"

#include <QString>

#include <functional>

namespace velumo::cli {

class TerminalProgress;

struct AlbumOutcome
{
    int exitCode = 0;
    QString message;   // what went wrong, for the user; empty on success
    QString albumPath; // the album file, or a picture sequence's folder, once it is made
};

// Where a run reports what the user should see on the way.
struct AlbumReporting
{
    std::function<void(const QString &)> notice; // skipped files and other remarks
    TerminalProgress *progress = nullptr;
    // Asked at every frame; true ends the conversion there (the album is then not made).
    std::function<bool()> stopRequested;
};

// One album, as the windows make it: the template library read from a private copy of
// `installed` (see PrivateProgramFolder), the files added in order, the settings of the
// options applied, the render, and the tables dumped when asked for. Nothing of a failed or
// stopped album is left behind.
AlbumOutcome makeAlbum(const AlbumOptions &options, const ProgramFolder &installed, const AlbumReporting &reporting);

} // namespace velumo::cli
