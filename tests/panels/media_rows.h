#pragma once

#include <QString>

namespace velumo {
struct Form1State;
}

namespace velumo::test {

// Rows as the import parts leave them, appended to the item and list tables of a panel.
// Captions are the 1-based row numbers.
void addPhoto(Form1State &form1, const QString &name, int instance, bool landscape = true);
void addSong(Form1State &form1, const QString &name, const QString &lyricKey = QStringLiteral("wu"),
             const QString &lyricName = QStringLiteral("wu"));
void addLyric(Form1State &form1, const QString &name, const QString &songKey = QStringLiteral("wu"),
              const QString &songName = QStringLiteral("wu"));

} // namespace velumo::test
