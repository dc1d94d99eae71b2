#include "players/swf/runtime/movie_runtime.h"

#include "tests/players/action_bytes.h"
#include "tests/players/movie_fixtures.h"
#include "tests/support/temp_tree.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using namespace velumo::swf;
using velumo::test::ActionBytes;
using velumo::test::emptyMovie;
using velumo::test::place;

namespace {

using Commands = std::vector<std::pair<std::string, std::string>>;

MovieRuntime runtimeFor(std::shared_ptr<Movie> movie, const QString &folder = u"/nonexistent"_s)
{
    return MovieRuntime(std::move(movie), PictureLoader(folder, folder));
}

void addAction(Movie &movie, int frame, std::vector<std::uint8_t> bytes)
{
    movie.root.frames[std::size_t(frame)].actions.push_back({std::move(bytes)});
}

// depth -> x translation of every shape on the root's display list.
std::map<int, double> layout(MovieRuntime &runtime)
{
    std::map<int, double> out;
    for (const auto &[depth, child] : runtime.root().children)
        out[depth] = child->matrix.tx;
    return out;
}

QByteArray jpegBytes(int width, int height, QColor colour)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPEG", 95);
    return bytes;
}

const Instance *pictureIn(const Instance &clip)
{
    for (const auto &[depth, child] : clip.children)
        if (child->kind == Instance::Kind::Picture)
            return child.get();
    return nullptr;
}

} // namespace

TEST(MovieTimeline, SeekingEitherWayGivesTheSameDisplayListAsPlaying)
{
    auto movie = emptyMovie(4);
    movie->dictionary.emplace(1, test::squareShape(1));
    movie->root.frames[0].commands = {place(1, 1), place(2, 1)};
    movie->root.frames[1].commands = {test::moveTo(1, 100)};
    movie->root.frames[2].commands = {RemoveCommand{2}, test::moveTo(1, 300)};
    movie->root.frames[3].commands = {place(2, 1)};

    std::vector<std::map<int, double>> played;
    MovieRuntime runtime = runtimeFor(movie);
    runtime.start();
    for (int f = 0; f < 4; ++f) {
        runtime.gotoRootFrame(f);
        played.push_back(layout(runtime));
    }
    EXPECT_EQ(played[0], (std::map<int, double>{{1, 0}, {2, 0}}));
    EXPECT_EQ(played[2], (std::map<int, double>{{1, 300}}));

    for (const int frame : {1, 0, 3, 2, 0, 2}) {
        runtime.gotoRootFrame(frame);
        EXPECT_EQ(layout(runtime), played[std::size_t(frame)]) << "after seeking to " << frame;
    }
}

TEST(MovieTimeline, OnlyTheDestinationFrameRunsItsActions)
{
    auto movie = emptyMovie(5);
    for (int f = 0; f < 5; ++f)
        addAction(*movie, f, ActionBytes().fscommand("frame", std::to_string(f)).end());
    MovieRuntime runtime = runtimeFor(movie);
    runtime.start();
    EXPECT_EQ(runtime.takeFsCommands(), (Commands{{"frame", "0"}}));

    runtime.gotoRootFrame(3);
    EXPECT_EQ(runtime.takeFsCommands(), (Commands{{"frame", "3"}}));
    runtime.gotoRootFrame(3);
    EXPECT_TRUE(runtime.takeFsCommands().empty()) << "the current frame runs nothing again";
    runtime.gotoRootFrame(1);
    EXPECT_EQ(runtime.takeFsCommands(), (Commands{{"frame", "1"}}));
    runtime.gotoRootFrame(99);
    EXPECT_EQ(runtime.currentFrame(), 4);
    EXPECT_TRUE(runtime.takeFsCommands().empty()) << "past the end shows the last frame silently";
    runtime.gotoRootFrame(-5);
    EXPECT_EQ(runtime.currentFrame(), 0);
}

TEST(MovieTimeline, NestedClipFollowsItsParentsFrame)
{
    auto movie = emptyMovie(8);
    movie->dictionary.emplace(1, test::squareShape(1));
    SpriteDef sprite;
    sprite.id = 2;
    sprite.timeline.frames.resize(3);
    for (int f = 0; f < 3; ++f)
        sprite.timeline.frames[std::size_t(f)].commands = {test::moveTo(1, 10.0 * f)};
    sprite.timeline.frames[0].commands.insert(sprite.timeline.frames[0].commands.begin(), place(1, 1));
    movie->dictionary.emplace(2, sprite);
    movie->root.frames[1].commands = {test::named(place(1, 2), "loop")};

    MovieRuntime runtime = runtimeFor(movie);
    runtime.start();
    const struct
    {
        int rootFrame;
        int spriteFrame;
    } cases[] = {{1, 0}, {2, 1}, {3, 2}, {4, 0}, {7, 0}, {6, 2}, {2, 1}};
    for (const auto &c : cases) {
        runtime.gotoRootFrame(c.rootFrame);
        const Instance &clip = *runtime.root().children.at(1);
        EXPECT_EQ(clip.currentFrame, c.spriteFrame) << "root frame " << c.rootFrame;
        EXPECT_EQ(clip.children.at(1)->matrix.tx, 10.0 * c.spriteFrame) << "root frame " << c.rootFrame;
    }
}

TEST(MovieTimeline, ClipThatPlacesItselfStopsAtTheNestingLimit)
{
    auto movie = emptyMovie(1);
    SpriteDef sprite;
    sprite.id = 1;
    sprite.timeline.frames.resize(1);
    sprite.timeline.frames[0].commands = {place(1, 1)};
    movie->dictionary.emplace(1, sprite);
    movie->root.frames[0].commands = {place(1, 1)};

    MovieRuntime runtime = runtimeFor(movie);
    runtime.start();
    EXPECT_FALSE(runtime.takeWarnings().empty());
    int depth = 0;
    for (const Instance *at = &runtime.root(); !at->children.empty(); at = at->children.begin()->second.get())
        ++depth;
    EXPECT_LE(depth, 33);
}

class LoadedPictures : public ::testing::Test
{
protected:
    // The layout of an album's working tree: the movie three folders below the picture's folder.
    void SetUp() override
    {
        tree.writeFile(u"work/pic/picture_0.rar"_s, jpegBytes(64, 48, Qt::green));
        tree.writeFile(u"outside.jpg"_s, jpegBytes(8, 8, Qt::red));
        tree.makeFolder(u"work/tp_wjj/tp_wjj_1"_s);
        movie = emptyMovie(30);
        SpriteDef placeholder;
        placeholder.id = 2;
        placeholder.timeline.frames.resize(1);
        movie->dictionary.emplace(2, placeholder);
        movie->root.frames[0].commands = {test::named(place(1, 2), "p0")};
        addAction(*movie, 0,
                  ActionBytes()
                      .setVariable("l_x_z_f_c", "l_x_z_f_c_s_y_w_j")
                      .loadMovie("..\\..\\pic\\picture_0.rar", "_root.p0")
                      .fscommand("picture_0")
                      .op(0x07)
                      .end());
    }

    MovieRuntime makeRuntime()
    {
        return MovieRuntime(movie, PictureLoader(tree.abs(u"work/tp_wjj/tp_wjj_1"_s), tree.abs(u"work"_s)));
    }

    test::TempTree tree;
    std::shared_ptr<Movie> movie;
};

TEST_F(LoadedPictures, HandshakeLoadsThePictureIntoThePlaceholder)
{
    MovieRuntime runtime = makeRuntime();
    runtime.start();

    EXPECT_EQ(runtime.variable("l_x_z_f_c"), "l_x_z_f_c_s_y_w_j");
    EXPECT_EQ(runtime.takeFsCommands(), (Commands{{"picture_0", ""}}));
    const Instance *picture = pictureIn(*runtime.root().children.at(1));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->picture->size(), QSize(64, 48));
    EXPECT_EQ(picture->matrix, Matrix{}) << "pixel (0, 0) at the clip's origin";
}

TEST_F(LoadedPictures, PictureSurvivesARewindAndTheHandshakeRepeats)
{
    MovieRuntime runtime = makeRuntime();
    runtime.start();
    runtime.takeFsCommands();
    runtime.gotoRootFrame(20);
    runtime.gotoRootFrame(0);

    EXPECT_NE(pictureIn(*runtime.root().children.at(1)), nullptr);
    EXPECT_EQ(runtime.takeFsCommands(), (Commands{{"picture_0", ""}}));
}

TEST_F(LoadedPictures, PathOutsideTheRootFolderIsRefused)
{
    movie->root.frames[0].actions.clear();
    addAction(*movie, 0, ActionBytes().loadMovie("../../../outside.jpg", "_root.p0").end());
    MovieRuntime runtime = makeRuntime();
    runtime.start();

    EXPECT_EQ(pictureIn(*runtime.root().children.at(1)), nullptr);
    const auto warnings = runtime.takeWarnings();
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(warnings.front().find("refused"), std::string::npos) << warnings.front();
}

TEST_F(LoadedPictures, LevelLoadsDrawAboveTheMovieButLevelZeroIsKept)
{
    movie->root.frames[0].actions.clear();
    addAction(*movie, 0,
              ActionBytes()
                  .pushStrings({"../../pic/picture_0.rar", "_level1"})
                  .record(0x9A, {0x00})
                  .pushStrings({"../../pic/picture_0.rar", "_level0"})
                  .record(0x9A, {0x40})
                  .end());
    MovieRuntime runtime = makeRuntime();
    runtime.start();

    const RenderNode stage = runtime.renderTree();
    ASSERT_EQ(stage.children.size(), 2u);
    EXPECT_EQ(stage.children[1].children.at(0).kind, RenderNode::Kind::Picture);
    EXPECT_EQ(runtime.root().children.count(1), 1u) << "the template itself stays";
}
