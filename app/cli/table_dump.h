#pragma once

#include <QString>

namespace velumo {
struct ProjectModel;
}

namespace velumo::cli {

// Writes every project table as `folder`/<window>.<table>.tsv and every hidden value into
// `folder`/values.tsv, for support and debugging. UTF-8, tab-separated, one line per row; a
// table's first line holds its column captions, then every row its caption and cells;
// values.tsv holds <window>.<name> and the value, after the caption line "名称<TAB>值". Names
// are prefixed with their window because some windows keep tables and values of the same
// name (the karaoke work tables of the karaoke window and of the renderer, for one).
// Throws velumo::Failure when a file cannot be written.
void dumpTables(ProjectModel &model, const QString &folder);

// A cell as it stands in a dump line: tabs and line breaks, which would end the cell or the
// line, become spaces.
QString dumpCell(const QString &text);

} // namespace velumo::cli
