#pragma once

#include <QString>

#include <optional>

namespace velumo {

class StringTable;
struct Form1State;
struct LrcParse;

// Parses a lyric file into the main window's parser tables ListView_LRC_1 to ListView_LRC_3,
// replacing the previous parse. Throws velumo::Failure when the file cannot be read as
// text (see readLrcFile); the tables are then empty.
void parseLrcFile(Form1State &form1, const QString &path);
void storeLrcParse(Form1State &form1, const LrcParse &parse);

// The clock text a lyric line is looked up by: two-digit minutes, ":", two-digit seconds.
QString lrcClockText(qint64 positionMs);
// The text of the first result row whose caption starts with the clock text of `positionMs`;
// nothing when no row does (the caller keeps showing the previous line).
std::optional<QString> lrcLineAt(const StringTable &result, qint64 positionMs);

} // namespace velumo
