#pragma once

#include "players/swf/model.h"
#include "players/swf/runtime/avm1_value.h"

#include <cstddef>

namespace velumo::swf {

class ActionHost;
struct Instance;

struct ActionLimits
{
    std::size_t maxActions = 100000;
    std::size_t maxStack = 10000;
    std::size_t maxString = 1 << 20;
    // Bytes of text that may reach the stack between two budget resets: copies and
    // concatenations in a loop must not be able to fill the memory.
    std::size_t maxTextBytes = 16 << 20;
    int maxLoads = 64;
};

// Runs one block of frame actions: the action-script subset template movies use (push and
// pop, constants, variables with paths, string and number arithmetic, jumps, fscommand,
// loadMovie, play, stop, goto, setTarget). An unknown action ends the block, since its
// stack effect cannot be guessed; budgets bound hostile blocks.
class ActionInterpreter
{
public:
    using Limits = ActionLimits;

    explicit ActionInterpreter(ActionHost &host, Limits limits = Limits());

    void run(Instance &clip, const ActionBlock &block);

    // Starts a new text budget; the host calls it once per call into the movie.
    void resetBudget() { m_textBytes = 0; }

    // Reading and writing variables by path, as scripts and the host do: "x", "_root.x",
    // "/a/b:x", "_level0:x", "a.b.x".
    Value getVariable(Instance &scope, const std::string &path);
    void setVariable(Instance &scope, const std::string &path, const Value &value);

private:
    ActionHost &m_host;
    Limits m_limits;
    std::size_t m_textBytes = 0;
};

} // namespace velumo::swf
