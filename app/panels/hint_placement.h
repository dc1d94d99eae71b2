#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace velumo {

// Where a hint window of `hint` size goes for a pointer at `pointer` on `screen`: a little
// left of and below the pointer; 5 pixels from the right edge rather than past it; above the
// pointer rather than past the bottom edge; 8 pixels into the screen rather than off its top
// or left.
QPoint placeHint(QPoint pointer, QSize hint, const QRect &screen);

} // namespace velumo
