#pragma once

#include "players/swf/model.h"
#include "players/swf/runtime/avm1_value.h"

#include <QImage>

#include <map>
#include <memory>
#include <string>

namespace velumo::swf {

// One object on a display list: a shape, a movie clip with its own timeline and children, or a
// picture (a loaded JPEG, or a bitmap placed directly).
struct Instance
{
    enum class Kind { Shape, Clip, Picture };

    Kind kind = Kind::Clip;
    std::uint16_t characterId = 0; // 0 for what scripts created (loaded pictures, level roots)
    const ShapeDef *shape = nullptr;
    std::shared_ptr<const QImage> picture;

    int depth = 0;
    Matrix matrix;
    ColorTransform colorTransform;
    std::uint16_t ratio = 0;
    std::string name;
    int clipDepth = 0;
    bool visible = true;

    // Frame of the parent's timeline in which the timeline placed it; -1 when a script made it.
    int placeFrame = -1;

    // Clips only.
    const Timeline *timeline = nullptr; // nullptr: an empty one-frame container
    int currentFrame = 0;
    bool playing = true;
    std::map<int, std::unique_ptr<Instance>> children; // by depth
    std::map<std::string, Value> variables;

    Instance *parent = nullptr;

    int frameCount() const { return timeline == nullptr ? 1 : std::max<int>(1, int(timeline->frames.size())); }
    // The child with this instance name, or nullptr.
    Instance *childNamed(const std::string &childName, bool caseSensitive) const;
    // "_level0", "_level0.a.b": the dot path scripts and the host use for this clip.
    std::string targetPath() const;
};

} // namespace velumo::swf
