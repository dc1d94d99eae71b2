#pragma once

#include "players/swf/model.h"

#include <QSize>
#include <QTransform>

#include <optional>

namespace velumo::swf {

// Stage twips -> device pixels for the ShowAll scale mode: the whole stage fits the target,
// centred, with equal bands on the two sides that do not fit. Nothing when the stage or the
// target is empty.
std::optional<QTransform> showAllTransform(const Rect &stage, QSize target);

// The movie's matrix as a Qt transform (Qt multiplies row vectors: local * parent).
inline QTransform toQTransform(const Matrix &m)
{
    return QTransform(m.a, m.b, m.c, m.d, m.tx, m.ty);
}

} // namespace velumo::swf
