#pragma once

#include <QString>

#include <chrono>

namespace velumo {

// Makes sure a folder exists, creating it with all missing parents. Pending user-interface
// events are processed between attempts, because the folder may still be going away after a
// tree removal. A folder that cannot be created within `patience` (a read-only program folder,
// a file in the way) throws velumo::Failure naming the folder, instead of retrying forever.
void ensureFolder(const QString &folder,
                  std::chrono::milliseconds patience = std::chrono::milliseconds(2000));

} // namespace velumo
