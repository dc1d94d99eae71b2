#pragma once

// What one painted frame consists of: the runtime builds this tree from its display lists,
// the renderer paints it. Children are in ascending depth order.

#include "players/swf/model.h"

#include <QImage>

#include <vector>

namespace velumo::swf {

struct RenderNode
{
    enum class Kind { Group, Shape, Picture };

    Kind kind = Kind::Group;
    const ShapeDef *shape = nullptr;  // Kind::Shape
    const QImage *picture = nullptr;  // Kind::Picture: drawn at the origin, 20 twips per pixel, smoothed
    Matrix matrix;                    // to the parent's space
    ColorTransform colorTransform;    // this node's own; the renderer composes down the tree
    int depth = 0;
    int clipDepth = 0; // > 0: a mask for the following siblings up to this depth, not drawn itself
    bool visible = true;
    std::vector<RenderNode> children; // Kind::Group
};

} // namespace velumo::swf
