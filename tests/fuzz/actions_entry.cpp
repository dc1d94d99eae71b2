// Action bytes in: run as a frame script of a small movie, then sent back and forth.
#include "players/swf/runtime/movie_runtime.h"
#include "tests/fuzz/fuzz_entry.h"

namespace {

std::shared_ptr<velumo::swf::Movie> scriptedMovie(std::span<const std::uint8_t> input)
{
    using namespace velumo::swf;
    auto movie = std::make_shared<Movie>();
    movie->version = 8;
    movie->frameSize = {0, 4000, 0, 2000};
    movie->frameCount = 3;
    movie->root.frames.resize(3);
    SpriteDef clip;
    clip.id = 1;
    clip.timeline.frames.resize(2);
    movie->dictionary.emplace(1, clip);
    PlaceCommand place;
    place.depth = 1;
    place.characterId = 1;
    place.name = "p0";
    movie->root.frames[0].commands.push_back(place);
    movie->root.labels["end"] = 2;
    // The same script on frame 0 and frame 2, so that seeks run it again.
    const ActionBlock block{std::vector<std::uint8_t>(input.begin(), input.end())};
    movie->root.frames[0].actions.push_back(block);
    movie->root.frames[2].actions.push_back(block);
    return movie;
}

void runActions(std::span<const std::uint8_t> input)
{
    using namespace velumo::swf;
    MovieRuntime runtime(scriptedMovie(input), PictureLoader({}, {}));
    runtime.start();
    runtime.gotoRootFrame(2);
    runtime.gotoRootFrame(0);
    runtime.setVariable("_root.p0.x", "1");
    (void)runtime.variable("l_x_z_f_c");
    (void)runtime.renderTree();
    runtime.takeFsCommands();
    runtime.takeWarnings();
}

} // namespace

VELUMO_FUZZ_ENTRY(avm1_actions, runActions);
