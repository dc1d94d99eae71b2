#pragma once

#include "app/workspace/program_folder.h"

#include <QStringList>

namespace velumo {

// The scratch tree "smxcwjj" under the program folder. The installed template library
// ("smxcwjj\wj_0_or_2\wjj_01" and "wjj_02") lives there too and is never touched here.
namespace working_tree {

// Folders emptied and re-created at start, in this order.
QStringList recreatedAtStart();
// Folders removed at start and left for their writers to create, in this order.
QStringList removedAtStart();
// Folders removed at a confirmed exit, in this order.
QStringList removedAtExit();
// The twenty fixed scratch files deleted at start and at exit, in this order.
QStringList staleFiles();

// Start-up preparation: empties and re-creates the thumbnail and unpacking folders, removes
// the instance and preview folders, then deletes the stale files. Throws velumo::Failure when
// a folder cannot be created.
void prepare(const ProgramFolder &program);

// Clean-up after the user confirmed the exit.
void cleanAtExit(const ProgramFolder &program);

void deleteStaleFiles(const ProgramFolder &program);

} // namespace working_tree
} // namespace velumo
