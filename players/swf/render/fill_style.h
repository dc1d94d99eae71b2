#pragma once

#include "players/swf/model.h"

#include <QBrush>
#include <QColor>

namespace velumo::swf {

inline QColor toQColor(Rgba c)
{
    return QColor(c.r, c.g, c.b, c.a);
}

inline bool isBitmapFill(FillKind kind)
{
    return kind == FillKind::RepeatingBitmap || kind == FillKind::ClippedBitmap
           || kind == FillKind::RepeatingBitmapHard || kind == FillKind::ClippedBitmapHard;
}

inline bool isClippedBitmapFill(FillKind kind)
{
    return kind == FillKind::ClippedBitmap || kind == FillKind::ClippedBitmapHard;
}

inline bool isSmoothedBitmapFill(FillKind kind)
{
    return kind == FillKind::RepeatingBitmap || kind == FillKind::ClippedBitmap;
}

// The brush of a solid or gradient fill, its colours passed through `cx`; Qt::NoBrush for
// bitmap fills, which need the movie's dictionary.
QBrush vectorBrush(const FillStyle &fill, const ColorTransform &cx);

} // namespace velumo::swf
