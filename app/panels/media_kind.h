#pragma once

#include <QSize>
#include <QString>

namespace velumo {

class HiddenValue;
class ProgramFolder;
class StringTable;
struct Form1State;

// The three media panels of the main window. Each shows the rows of its table as a grid of
// thumbnail pictures or as a report list.
enum class MediaKind { Photos, Music, Lyrics };

inline constexpr MediaKind kAllMediaKinds[] = {MediaKind::Photos, MediaKind::Music, MediaKind::Lyrics};

// What one panel draws from: its item table, its list table, its control count and the
// thumbnail files (one per row, numbered from 1 like the rows the user sees).
struct MediaTables
{
    StringTable &items;
    StringTable &list;
    HiddenValue &controlCount;
};

MediaTables mediaTables(Form1State &form1, MediaKind kind);
const StringTable &itemTable(const Form1State &form1, MediaKind kind);

// Size of one thumbnail control: the photo cell size settings, 150 x 150 for name cards.
QSize thumbnailSize(const Form1State &form1, MediaKind kind);

// "smxcwjj\tp_wj\tp_slt_1" and its siblings, without a trailing separator.
QString thumbnailFolder(MediaKind kind);
// "tp_slt_1_" and its siblings: the file name up to the number.
QString thumbnailStem(MediaKind kind);
// The absolute path of the thumbnail or name card of 1-based item `number`.
QString thumbnailFile(const ProgramFolder &program, const Form1State &form1, MediaKind kind, int number);

// Names of the panel's controls, as the rest of the program refers to them.
QString thumbnailNamePrefix(MediaKind kind); // "Imagem_", "Imagemyinyue_", "Imagemgeci_"
QString frameName(MediaKind kind);           // "Panel_xianshikuang"...
QString innerPanelName(MediaKind kind);      // "Panel_xianshikuang_daxiao"...
QString previewBoxTitle(MediaKind kind);     // "        相片缩略图预览"...
QString areaName(MediaKind kind);            // "相片区域", "音乐区域", "歌词区域"

} // namespace velumo
