#pragma once

#include "app/panels/media_kind.h"

#include <vector>

namespace velumo {

class StringTable;

// Moves a dropped item: exchanges item `dragged` with every partner in turn (rows of the item
// table and of the list table, captions and all cells), then brings the files in line with
// the new order:
// - music and lyrics: the two name cards of every exchange trade places;
// - photos: the template instance folders and their movies are renumbered 1..M in photo
//   order, and the thumbnails follow their photos.
// Captions of both tables are renumbered 1..N. Missing files are skipped. Throws Failure,
// before anything changes, when a row is outside either table.
void dropItem(Form1State &form1, const ProgramFolder &program, MediaKind kind, int dragged,
              const std::vector<int> &partners);

// Renames the template instance folders "smxcwjj\tp_wjj\tp_wjj\tp_wjj_<k>" and their movies
// "w_j_<k>" + extension setting 1 so that instances are numbered 1, 2, 3... by the first
// photo of each instance in table order; rewrites photo columns 7 and 20 to match.
void renumberTemplateInstances(Form1State &form1, const ProgramFolder &program);

// Rewrites the captions of `table` as 1, 2, 3...
void renumberCaptions(StringTable &table);

// Renames `from` to `to` (files or folders). Nothing happens when `from` is missing or `to`
// is taken, so a rename never overwrites anything. Returns whether it renamed.
bool renameIfPresent(const QString &from, const QString &to);

} // namespace velumo
