#pragma once

#include <QString>

#include <functional>
#include <memory>

namespace velumo {

// A player of template movies. The renderer and the previews drive it frame by frame.
class TemplatePlayer
{
public:
    virtual ~TemplatePlayer() = default;

    // Starts loading the movie at `path`. A missing file is not an error here.
    virtual void setMovie(const QString &path) = 0;
};

// Creates a player under a component name ("ShockwaveFlash_34", "ShockwaveFlash1").
// Throws velumo::Failure when no player can be created on this system.
using TemplatePlayerFactory = std::function<std::unique_ptr<TemplatePlayer>(const QString &name)>;

// The factory of this build.
TemplatePlayerFactory defaultTemplatePlayerFactory();

// The start-up check: a player can be created and accepts a movie path. Whether the movie
// itself loads plays no part. The player is freed again.
bool probeTemplatePlayer(const TemplatePlayerFactory &factory, const QString &moviePath);

} // namespace velumo
