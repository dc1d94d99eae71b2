#pragma once

#include "app/panels/media_kind.h"

#include <QStringList>

namespace velumo {

// The lines of the information hint of item `row` of a panel: name, type, size or length,
// binding, position, and how to reorder. Throws Failure when the row does not exist.
QStringList itemHintLines(const Form1State &form1, MediaKind kind, int row);

} // namespace velumo
