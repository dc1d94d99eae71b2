#pragma once

#include "app/workspace/program_folder.h"

#include <QStringList>

namespace velumo {

// The frame file, the first scene picture and its JPEG, and the packed scene picture that a
// render leaves in the working tree; the finish deletes those present.
QStringList renderScratchFiles();
void removeRenderScratchFiles(const ProgramFolder &program);

} // namespace velumo
