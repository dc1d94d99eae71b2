#pragma once

#include "app/workspace/program_folder.h"

#include <QString>

namespace velumo {

// Where template instances live in the working tree. `n` is the instance number as text;
// `movieExtension` is extension setting 1 and `photoExtension` extension setting 2.
namespace instance_paths {

QString root(const ProgramFolder &program);          // every instance folder lives here
QString pictureFolder(const ProgramFolder &program); // the scene picture between templates
QString folder(const ProgramFolder &program, const QString &n);
QString movie(const ProgramFolder &program, const QString &n, const QString &movieExtension);
QString slotPhoto(const ProgramFolder &program, const QString &n, const QString &slotName,
                  const QString &photoExtension);
QString closingFolder(const ProgramFolder &program);
QString closingMovie(const ProgramFolder &program, const QString &movieExtension);
// The photo panel's picture of the photo in 1-based row `n`; `extension` is extension setting 7.
QString thumbnail(const ProgramFolder &program, int n, const QString &extension);

} // namespace instance_paths
} // namespace velumo
