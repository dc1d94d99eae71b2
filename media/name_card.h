#pragma once

#include <QImage>
#include <QString>

namespace velumo {

class ProgramFolder;

// The small pictures that stand for songs and lyrics in the media panels: 130 × 115 pixels,
// a picture of their kind with the name written below it.
enum class NameCardKind
{
    Song,   // "smxcwjj\tp_wj\tp_slt_2\tp_slt_2_<n><ext>"
    Lyric,  // "smxcwjj\tp_wj\tp_slt_3\tp_slt_3_<n><ext>"
};

inline constexpr int kNameCardWidth = 130;
inline constexpr int kNameCardHeight = 115;
// Names at least this wide (11-pixel 宋体) start at the left of the card; shorter ones are centred.
inline constexpr int kNameCardLeftAlignWidth = 130;

// The width of `name` in the measuring font, 11-pixel 宋体.
int nameCardMeasure(const QString &name);
bool nameCardLeftAligned(const QString &name);

QImage drawNameCard(NameCardKind kind, const QString &name);

// The card folder with its trailing separator.
QString nameCardFolder(const ProgramFolder &program, NameCardKind kind);
// The card of row `number` (1-based); `parked` gives the temporary name "<n>_tp_slt_2_<n>" used
// while rows are renumbered.
QString nameCardPath(const ProgramFolder &program, NameCardKind kind, int number, const QString &extension,
                     bool parked = false);

// Draws and writes the card of row `number`, replacing an older file. Throws velumo::Failure
// when the file cannot be written.
void saveNameCard(const ProgramFolder &program, NameCardKind kind, int number, const QString &extension,
                  const QString &name);

// After row `deleted` (0-based) of `rowCountBefore` rows is gone, the cards of the rows after it
// move down by one: card k + 1 is deleted, every card is parked, then each remaining row takes
// the card of its old number. `oldNumbers` are the remaining rows' old numbers, in order.
// Missing cards are skipped.
void renumberNameCards(const ProgramFolder &program, NameCardKind kind, const QString &extension, int deleted,
                       int rowCountBefore, const QList<int> &oldNumbers);

} // namespace velumo
