#pragma once

#include <QStringList>

namespace velumo::cli {

// The lyric timeline of an LRC file exactly as the renderer reads it: one line per row of the
// parser's result table, its time tag and its text separated by a tab, in the table's order
// (the leading "00:00" row included). Throws velumo::Failure when the file cannot be read.
QStringList lrcTimeline(const QString &path);

} // namespace velumo::cli
