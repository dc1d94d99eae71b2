#pragma once

#include <QString>

namespace velumo {

// Removes a folder with everything in it, depth first, and never reports anything: what cannot
// be deleted stays, together with the folders that hold it, and a later start or exit tries
// again. A missing folder is no error.
//
// Only regular files and links are deleted. Links are removed as links and never followed, so a
// link to a folder outside the tree cannot lead the removal there. Other kinds of entries
// (pipes, sockets, devices) are not ours to delete and stay.
void removeTree(const QString &folder);

} // namespace velumo
