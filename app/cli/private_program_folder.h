#pragma once

#include "app/workspace/program_folder.h"

#include <QTemporaryDir>

namespace velumo::cli {

// The program folder one run of velumo-cli works in. The program's working tree lives beside
// the executable and is cleared whenever the program starts, so a command-line run never
// works there: it may run while the program runs, and several runs may go side by side. Each
// run gets a fresh folder of its own in the system's temporary folder, holding a copy of the
// installed template library (a few megabytes; a copy, never a link, so that the working
// tree's clean-ups can never reach the installed files). The folder and everything made in
// it are removed when the run ends.
class PrivateProgramFolder
{
public:
    // Throws velumo::Failure when the folder cannot be made or the library cannot be copied.
    explicit PrivateProgramFolder(const ProgramFolder &installed);
    ~PrivateProgramFolder();
    PrivateProgramFolder(const PrivateProgramFolder &) = delete;
    PrivateProgramFolder &operator=(const PrivateProgramFolder &) = delete;

    const ProgramFolder &program() const { return m_program; }

private:
    QTemporaryDir m_folder;
    ProgramFolder m_program;
};

} // namespace velumo::cli
