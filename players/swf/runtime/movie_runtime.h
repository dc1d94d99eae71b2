#pragma once

#include "players/swf/model.h"
#include "players/swf/render_tree.h"
#include "players/swf/runtime/action_host.h"
#include "players/swf/runtime/action_interpreter.h"
#include "players/swf/runtime/instance.h"
#include "players/swf/runtime/picture_loader.h"

#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace velumo::swf {

struct RuntimeLimits
{
    int maxNesting = 32;
    std::size_t maxInstances = 100000;
    int maxQueuedBlocks = 1000;
};

// A loaded movie at play: the display lists of the root and its clips, the play heads, the
// variables, and the pictures loaded into clips and levels.
//
// How the play heads move. There is no clock: the root timeline moves only when the host or a
// script sends it somewhere. Going forward applies the display commands of the frames passed
// over and runs the actions of the destination frame only; going back rebuilds the display list
// from frame 0, keeping the clips that the timeline placed and still places with the same
// character (so a picture loaded into a placeholder clip survives a rewind), then runs the
// destination frame's actions. Going to the current frame does nothing; going past the last
// frame shows the last frame and runs no actions. A clip nested in the timeline shows frame
// (parent frame − frame it was placed in) of its own timeline, looping, or holding at its last
// frame when that frame stops; nested clips run no actions of their own.
class MovieRuntime : private ActionHost
{
public:
    using Limits = RuntimeLimits;

    MovieRuntime(std::shared_ptr<const Movie> movie, PictureLoader loader, Limits limits = Limits());
    ~MovieRuntime() override;

    // Applies frame 0 of the root and runs its actions.
    void start();

    const Movie &movie() const { return *m_movie; }
    Instance &root() { return *m_levels.at(0); }
    int currentFrame() const { return m_levels.at(0)->currentFrame; }

    // The host's frame setting: the root goes to `frame` as described above.
    void gotoRootFrame(int frame);
    void stopRoot() { root().playing = false; }

    // Host access to _root's variables; paths as scripts write them are accepted too.
    std::string variable(const std::string &path);
    void setVariable(const std::string &path, const std::string &value);

    // (command, arguments) sent by the movie since the last call.
    std::vector<std::pair<std::string, std::string>> takeFsCommands();
    // Messages about skipped or refused content since the last call.
    std::vector<std::string> takeWarnings();

    RenderNode renderTree() const;

private:
    // ActionHost
    int swfVersion() const override { return m_movie->version; }
    Instance *resolveTarget(Instance &from, std::string_view path) override;
    void gotoFrame(Instance &clip, int frame) override;
    bool gotoLabel(Instance &clip, std::string_view label) override;
    void loadMovie(Instance &current, const std::string &url, const std::string &target) override;
    void fsCommand(const std::string &command, const std::string &args) override;
    void warn(const std::string &message) override;

    void seek(Instance &clip, int frame, bool runActions);
    void applyFrame(Instance &clip, int frameIndex);
    void applyPlace(Instance &clip, const PlaceCommand &command, int frameIndex);
    void rebuild(Instance &clip, int frame);
    void advanceNestedClips(Instance &clip);
    std::unique_ptr<Instance> instantiate(std::uint16_t characterId, Instance &parent);
    void setCharacter(Instance &instance, std::uint16_t characterId);
    void applyFields(Instance &instance, const PlaceCommand &command);
    void runQueuedActions();
    int nesting(const Instance &instance) const;
    void appendRenderNodes(const Instance &instance, RenderNode &into) const;

    std::shared_ptr<const Movie> m_movie;
    PictureLoader m_loader;
    Limits m_limits;
    ActionInterpreter m_interpreter;
    std::map<int, std::unique_ptr<Instance>> m_levels;
    std::size_t m_instances = 0;
    std::deque<std::pair<int, const ActionBlock *>> m_queue; // (level, block)
    bool m_runningQueue = false;
    std::vector<std::pair<std::string, std::string>> m_fsCommands;
    std::vector<std::string> m_warnings;
};

} // namespace velumo::swf
