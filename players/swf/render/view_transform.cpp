#include "players/swf/render/view_transform.h"

#include <algorithm>

namespace velumo::swf {

std::optional<QTransform> showAllTransform(const Rect &stage, QSize target)
{
    const double stageW = (double(stage.xMax) - stage.xMin) / 20.0;
    const double stageH = (double(stage.yMax) - stage.yMin) / 20.0;
    if (stageW <= 0 || stageH <= 0 || target.isEmpty())
        return std::nullopt;

    const double s = std::min(target.width() / stageW, target.height() / stageH);
    const double offsetX = (target.width() - s * stageW) / 2.0;
    const double offsetY = (target.height() - s * stageH) / 2.0;
    return QTransform::fromTranslate(-stage.xMin, -stage.yMin) * QTransform::fromScale(s / 20.0, s / 20.0)
           * QTransform::fromTranslate(offsetX, offsetY);
}

} // namespace velumo::swf
