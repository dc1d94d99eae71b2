#include "players/swf/runtime/movie_runtime.h"

#include "tests/players/action_bytes.h"
#include "tests/players/movie_fixtures.h"

#include <gtest/gtest.h>

using namespace velumo;
using namespace velumo::swf;
using velumo::test::ActionBytes;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A three-frame movie with a clip "p0" (itself holding "inner") whose frame 0 runs `actions`.
struct ScriptedMovie
{
    explicit ScriptedMovie(Bytes actions, std::uint8_t version = 8)
        : movie(test::emptyMovie(3, version))
    {
        SpriteDef inner;
        inner.id = 3;
        inner.timeline.frames.resize(1);
        movie->dictionary.emplace(3, inner);
        SpriteDef outer;
        outer.id = 2;
        outer.timeline.frames.resize(1);
        outer.timeline.frames[0].commands = {test::named(test::place(1, 3), "inner")};
        movie->dictionary.emplace(2, outer);
        movie->root.frames[0].commands = {test::named(test::place(1, 2), "p0")};
        movie->root.frames[2].label = "end";
        movie->root.labels["end"] = 2;
        movie->root.frames[0].actions.push_back({std::move(actions)});
        runtime = std::make_unique<MovieRuntime>(movie, PictureLoader({}, {}));
        runtime->start();
    }

    Instance &p0() { return *runtime->root().children.at(1); }

    std::shared_ptr<Movie> movie;
    std::unique_ptr<MovieRuntime> runtime;
};

Bytes concat(std::initializer_list<Bytes> parts)
{
    Bytes out;
    for (const Bytes &p : parts)
        out.insert(out.end(), p.begin(), p.end());
    return out;
}

} // namespace

TEST(Actions, PushDecodesEveryValueType)
{
    const Bytes pushPayload = concat({
        {0, 'v', 0},
        {1, 0x00, 0x00, 0x00, 0x3F},                         // float 0.5
        {0, 'w', 0},
        {6, 0x00, 0x00, 0xF8, 0x3F, 0x00, 0x00, 0x00, 0x00}, // double 1.5, high word first
        {0, 'x', 0},
        {7, 0xD6, 0xFF, 0xFF, 0xFF},                         // int32 -42
        {0, 'y', 0},
        {5, 1},                                              // true
        {0, 'z', 0},
        {2},                                                 // null
    });
    Bytes actions = ActionBytes().record(0x96, pushPayload).op(0x1D).op(0x1D).op(0x1D).op(0x1D).op(0x1D).end();
    ScriptedMovie m(actions);

    const struct
    {
        const char *name;
        const char *text;
    } expected[] = {{"v", "0.5"}, {"w", "1.5"}, {"x", "-42"}, {"y", "true"}, {"z", "null"}};
    for (const auto &e : expected)
        EXPECT_EQ(m.runtime->variable(e.name), e.text) << e.name;
}

TEST(Actions, ConstantPoolAndDynamicFscommand)
{
    const Bytes pool = concat({{2, 0}, ActionBytes::text("FSCommand:"), ActionBytes::text("picture_0")});
    Bytes actions = ActionBytes()
                        .record(0x88, pool)
                        .record(0x96, {8, 0, 9, 1, 0}) // constant 0 (8-bit index), constant 1 (16-bit)
                        .op(0x21)                      // StringAdd
                        .pushStrings({""})
                        .record(0x9A, {0x00})
                        .end();
    ScriptedMovie m(actions);
    EXPECT_EQ(m.runtime->takeFsCommands(), (std::vector<std::pair<std::string, std::string>>{{"picture_0", ""}}));
}

TEST(Actions, VariablePathsReachClipsInEverySyntax)
{
    Bytes actions = ActionBytes()
                        .setVariable("_root.p0.a", "1")
                        .setVariable("/p0:b", "2")
                        .setVariable("_level0:c", "3")
                        .setVariable("p0.inner.d", "4")
                        .setVariable("/p0/inner:e", "5")
                        .pushStrings({"copy", "_root.p0.a"})
                        .op(0x1C) // GetVariable
                        .op(0x1D)
                        .end();
    ScriptedMovie m(actions);

    EXPECT_EQ(m.runtime->variable("p0.a"), "1");
    EXPECT_EQ(m.runtime->variable("_root.p0.b"), "2");
    EXPECT_EQ(m.runtime->variable("c"), "3");
    EXPECT_EQ(m.runtime->variable("/p0/inner:d"), "4");
    EXPECT_EQ(m.runtime->variable("p0.inner.e"), "5");
    EXPECT_EQ(m.runtime->variable("copy"), "1");
    EXPECT_EQ(m.runtime->variable("nothing"), "");
}

TEST(Actions, HostValuesOverrideTheFirstFramesDefaults)
{
    ScriptedMovie m(ActionBytes().setVariable("xc_alpha", "100").end());
    m.runtime->setVariable("xc_alpha", "0");
    EXPECT_EQ(m.runtime->variable("xc_alpha"), "0");
    EXPECT_EQ(m.runtime->variable("_root.xc_alpha"), "0");
}

TEST(Actions, SetTargetStopsTheNamedClipOnly)
{
    Bytes actions = ActionBytes()
                        .record(0x8B, ActionBytes::text("p0"))
                        .op(0x07)
                        .setVariable("here", "yes")
                        .record(0x8B, ActionBytes::text(""))
                        .setVariable("back", "yes")
                        .end();
    ScriptedMovie m(actions);
    EXPECT_FALSE(m.p0().playing);
    EXPECT_TRUE(m.runtime->root().playing);
    EXPECT_EQ(m.runtime->variable("p0.here"), "yes");
    EXPECT_EQ(m.runtime->variable("back"), "yes");
}

TEST(Actions, GotoLabelAndGotoFrameMoveTheRoot)
{
    ScriptedMovie byLabel(ActionBytes().record(0x8C, ActionBytes::text("end")).end());
    EXPECT_EQ(byLabel.runtime->currentFrame(), 2);
    EXPECT_FALSE(byLabel.runtime->root().playing);

    ScriptedMovie byNumber(ActionBytes().record(0x81, {1, 0}).end());
    EXPECT_EQ(byNumber.runtime->currentFrame(), 1);
}

TEST(Actions, BadBlocksEndWithoutHarm)
{
    const struct
    {
        const char *what;
        Bytes actions;
    } cases[] = {
        {"unknown action", ActionBytes().op(0x3D).setVariable("after", "ran").end()},
        {"record longer than its block", Bytes{0x96, 0xFF, 0x00, 0x00, 'a'}},
        {"string without its end", Bytes{0x96, 0x02, 0x00, 0x00, 'a', 0x00}},
        {"endless loop", ActionBytes().record(0x99, {0xFB, 0xFF}).end()},
        {"jump out of the block", ActionBytes().record(0x99, {0x00, 0x40}).end()},
        {"pop from an empty stack", ActionBytes().op(0x17).op(0x1D).op(0x1C).op(0x21).end()},
        {"frame number beyond any integer",
         ActionBytes().record(0x96, {6, 0x00, 0x00, 0xF0, 0x7F, 0x00, 0x00, 0x00, 0x00}).record(0x9F, {0}).end()},
    };
    for (const auto &c : cases) {
        ScriptedMovie m(c.actions);
        EXPECT_EQ(m.runtime->variable("after"), "") << c.what;
        EXPECT_EQ(m.runtime->root().children.size(), 1u) << c.what << ": the display list is untouched";
    }
    ScriptedMovie loop(cases[3].actions);
    EXPECT_FALSE(loop.runtime->takeWarnings().empty()) << "the loop is reported";
}

TEST(Actions, TextGrowingInALoopIsStopped)
{
    // x = "ab"; then forever: keep a copy of x on the stack, x = x + x.
    const Bytes setup = ActionBytes().setVariable("x", "ab").end();
    Bytes loop = ActionBytes()
                     .pushStrings({"x"})
                     .op(0x1C)
                     .pushStrings({"x", "x"})
                     .op(0x1C)
                     .pushStrings({"x"})
                     .op(0x1C)
                     .op(0x21)
                     .op(0x1D)
                     .end();
    loop.pop_back(); // no End inside the loop
    const int back = -int(loop.size() + 5);
    Bytes actions(setup.begin(), setup.end() - 1);
    actions.insert(actions.end(), loop.begin(), loop.end());
    const Bytes jump = ActionBytes().record(0x99, {std::uint8_t(back & 0xFF), std::uint8_t((back >> 8) & 0xFF)}).end();
    actions.insert(actions.end(), jump.begin(), jump.end());

    ScriptedMovie m(actions);
    const auto warnings = m.runtime->takeWarnings();
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings.front().find("too much text"), std::string::npos) << warnings.front();
    EXPECT_LE(m.runtime->variable("x").size(), std::size_t(1) << 20);
}

TEST(Actions, FramesThatSendEachOtherBackAndForthAreStopped)
{
    auto movie = test::emptyMovie(3);
    movie->root.frames[1].actions.push_back({ActionBytes().record(0x81, {2, 0}).end()});
    movie->root.frames[2].actions.push_back({ActionBytes().record(0x81, {1, 0}).end()});
    MovieRuntime runtime(movie, PictureLoader({}, {}));
    runtime.start();
    runtime.gotoRootFrame(1);
    EXPECT_FALSE(runtime.takeWarnings().empty());
}
