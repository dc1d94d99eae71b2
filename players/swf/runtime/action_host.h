#pragma once

#include <string>
#include <string_view>

namespace velumo::swf {

struct Instance;

// What a running action block may do to the movie around it.
class ActionHost
{
public:
    virtual ~ActionHost() = default;

    virtual int swfVersion() const = 0;
    // A clip named by a slash or dot path ("/a/b", "_root.a", "_level1", "..", "this"),
    // relative to `from`; nullptr when there is none.
    virtual Instance *resolveTarget(Instance &from, std::string_view path) = 0;
    // Moves a clip's play head as a script does (the clip stops; the frame's actions follow).
    virtual void gotoFrame(Instance &clip, int frame) = 0;
    // false when the clip has no such label.
    virtual bool gotoLabel(Instance &clip, std::string_view label) = 0;
    // Loads a picture into the clip or level named by `target`.
    virtual void loadMovie(Instance &current, const std::string &url, const std::string &target) = 0;
    virtual void fsCommand(const std::string &command, const std::string &args) = 0;
    // Diagnostics for skipped or refused actions.
    virtual void warn(const std::string &message) = 0;
};

} // namespace velumo::swf
