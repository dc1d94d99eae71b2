#pragma once

#include <QStringList>

// Column captions of the shared tables, one list per table shape. Several tables share a
// shape (the photo table and its scratch copy, the two karaoke work sets), so each shape is
// spelled once here.
namespace velumo::captions {

QStringList photo();             // 22 columns: imported photos
QStringList photoProcessing();   // the first 20 photo columns: one import batch
QStringList photoList();         // 8 columns: the photo panel's list
QStringList templateCatalogue(); // 11 columns
QStringList templateClass();     // 13 columns: landscape, portrait and advanced templates
QStringList templateCandidate(); // 13 columns: candidate and fallback tables of assignment
QStringList music();             // 8 columns
QStringList musicList();         // 6 columns
QStringList lyric();             // 15 columns
QStringList lyricList();         // 11 columns
QStringList lrcResult1();        // 序号, 歌词
QStringList lrcResult2();        // 序号, 位置, 歌词
QStringList lrcResult3();        // 位置, 歌词
QStringList karaoke();           // 13 columns: one row per KSC file
QStringList textEffect();        // 15 columns
QStringList pictureEffect();     // 6 columns
QStringList templateUsage();     // 9 columns: render usage table and playlist
QStringList kscLine();           // 12 columns: one row per karaoke.add line
QStringList kscUnitGrid();       // 101 columns: caption plus cells "1" .. "100"

} // namespace velumo::captions
