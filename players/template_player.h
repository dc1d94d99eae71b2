#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

namespace velumo {

// A player of template movies, driven one frame at a time by the renderer and the previews.
//
// Errors: setMovie never throws (a missing or broken file leaves the player failed); a failed
// player throws velumo::Failure from totalFrames() and paint() with a message for the user.
class TemplatePlayer
{
public:
    // Receives the movie's fscommand calls, on the thread that owns the player, from the event
    // loop (never from inside a call into the player).
    using FsCommandHandler = std::function<void(const QString &command, const QString &args)>;

    virtual ~TemplatePlayer() = default;

    // Loads the movie at `path` (any file name) and runs its first frame.
    virtual void setMovie(const QString &path) = 0;
    virtual void stop() = 0;
    // Shows frame `frame` (0-based) from the next paint on.
    virtual void setFrameNum(int frame) = 0;
    virtual int frameNum() const = 0;
    virtual int totalFrames() const = 0;
    virtual void setVariable(const QString &name, const QString &value) = 0;
    // Empty when the movie has no such variable.
    virtual QString getVariable(const QString &name) const = 0;
    // Paints the frame last set into every pixel of `target`, the whole stage scaled to its size.
    virtual void paint(QImage &target) = 0;
    virtual void setFsCommandHandler(FsCommandHandler handler) = 0;
    // What the movie asked for and did not get (unknown actions, refused loads), since the last call.
    virtual QStringList takeWarnings() = 0;
};

struct TemplatePlayerSetup
{
    // "ShockwaveFlash_34" for the probe and the preview, "ShockwaveFlash1" for the renderer.
    QString componentName;
    // Pictures the movie loads must lie inside this folder.
    QString rootFolder;
};

// Creates a player. Throws velumo::Failure when no player can be created on this system.
using TemplatePlayerFactory = std::function<std::unique_ptr<TemplatePlayer>(const TemplatePlayerSetup &setup)>;

// The factory of this build: the project's own player of template movies.
TemplatePlayerFactory defaultTemplatePlayerFactory();

// The start-up check: a player can be created and accepts a movie path. Whether the movie
// itself loads plays no part. The player is freed again.
bool probeTemplatePlayer(const TemplatePlayerFactory &factory, const QString &rootFolder, const QString &moviePath);

} // namespace velumo
