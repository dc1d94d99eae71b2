// Whole movies: header, dictionary, control tags and timelines.
#include "players/swf/reader/movie_reader.h"
#include "tests/swf_reader/swf_fixture.h"

#include <gtest/gtest.h>

namespace velumo::swf {
namespace {

using namespace test;

constexpr std::uint16_t kEnd = 0, kShowFrame = 1, kDefineShape = 2, kPlaceObject = 4, kRemoveObject = 5,
                        kSetBackgroundColor = 9, kDoAction = 12, kPlaceObject2 = 26, kRemoveObject2 = 28,
                        kDefineSprite = 39, kFrameLabel = 43, kPlaceObject3 = 70;

const Bytes kEndTag = tag(kEnd, {});
const Bytes kShowFrameTag = tag(kShowFrame, {});

const PlaceCommand &placeAt(const Timeline &timeline, std::size_t frame, std::size_t command)
{
    return std::get<PlaceCommand>(timeline.frames.at(frame).commands.at(command));
}

// A 10×10 px red square as shape `id`.
Bytes squareShape(std::uint16_t id)
{
    ShapeRecords records(1, 0);
    records.change({.moveTo = Point{0, 0}, .fill1 = 1}).line(200, 0).line(0, 200).line(-200, 0).line(0, -200);
    return tag(kDefineShape, shapeBody(id, {0, 200, 0, 200}, cat({{1}, solidRgb({255, 0, 0, 255})}), {0}, records));
}

Bytes cxformWithAlpha(std::array<std::int32_t, 4> mul, std::array<std::int32_t, 4> add)
{
    BitWriter w;
    w.ub(1, 1); // add terms
    w.ub(1, 1); // multiply terms
    w.ub(4, 10);
    for (std::int32_t v : mul)
        w.sb(10, v);
    for (std::int32_t v : add)
        w.sb(10, v);
    return w.take();
}

void expectRedRectangleDictionary(const Movie &movie)
{
    ASSERT_EQ(movie.dictionary.size(), 1u);
    const auto &shape = std::get<ShapeDef>(movie.dictionary.at(1));
    EXPECT_EQ(shape.bounds, (Rect{400, 2400, 400, 1400}));
    ASSERT_EQ(shape.layers.size(), 1u);
    const ShapeLayer &layer = shape.layers[0];
    ASSERT_EQ(layer.fills.size(), 1u);
    EXPECT_EQ(layer.fills[0].kind, FillKind::Solid);
    EXPECT_EQ(layer.fills[0].colour, (Rgba{255, 0, 0, 255}));
    ASSERT_EQ(layer.fillPaths.size(), 1u);
    ASSERT_EQ(layer.fillPaths[0].contours.size(), 1u);
    const Contour &c = layer.fillPaths[0].contours[0];
    EXPECT_EQ(c.start, (Point{400, 400}));
    std::vector<Point> corners;
    for (const Edge &e : c.edges) {
        EXPECT_FALSE(e.curve);
        corners.push_back(e.to);
    }
    EXPECT_EQ(corners, (std::vector<Point>{{2400, 400}, {2400, 1400}, {400, 1400}, {400, 400}}));
    EXPECT_TRUE(layer.strokePaths.empty());
}

TEST(MovieReader, RedRectangleHeaderDictionaryAndPlacement)
{
    const Movie movie = readMovie(redRectangle());
    EXPECT_EQ(movie.version, 8);
    EXPECT_EQ(movie.frameSize, (Rect{0, 4000, 0, 2000}));
    EXPECT_DOUBLE_EQ(movie.frameRate, 25.0);
    EXPECT_EQ(movie.frameCount, 1);
    EXPECT_EQ(movie.background, (Rgba{255, 255, 255, 255}));
    expectRedRectangleDictionary(movie);

    ASSERT_EQ(movie.root.frames.size(), 1u);
    ASSERT_EQ(movie.root.frames[0].commands.size(), 1u);
    const PlaceCommand &place = placeAt(movie.root, 0, 0);
    EXPECT_EQ(place.depth, 1);
    EXPECT_FALSE(place.move);
    EXPECT_EQ(place.characterId, std::optional<std::uint16_t>(1));
    EXPECT_EQ(place.matrix, std::optional<Matrix>(Matrix{}));
    EXPECT_FALSE(place.colorTransform);
}

TEST(MovieReader, CompressedMovieReadsLikeItsUncompressedForm)
{
    const Bytes cws = compressed(redRectangle());
    ASSERT_EQ(cws[0], 'C');
    const Movie movie = readMovie(cws);
    EXPECT_EQ(movie.frameSize, (Rect{0, 4000, 0, 2000}));
    expectRedRectangleDictionary(movie);
    EXPECT_EQ(placeAt(movie.root, 0, 0).characterId, std::optional<std::uint16_t>(1));
}

TEST(MovieReader, HalfSizePlacementWithAlpha)
{
    const Movie movie = readMovie(redRectangleHalfSize());
    const PlaceCommand &place = placeAt(movie.root, 0, 0);
    EXPECT_EQ(place.depth, 1);
    EXPECT_EQ(place.characterId, std::optional<std::uint16_t>(1));
    EXPECT_EQ(place.matrix, std::optional<Matrix>(Matrix{0.5, 0, 0, 0.5, 2000, 1000}));
    ColorTransform halfAlpha;
    halfAlpha.aMul = 128;
    EXPECT_EQ(place.colorTransform, std::optional<ColorTransform>(halfAlpha));
}

TEST(MovieReader, PlaceObjectWithColourTransformWithoutAlpha)
{
    BitWriter cx;
    cx.ub(1, 1); // add terms
    cx.ub(1, 1); // multiply terms
    cx.ub(4, 10);
    for (std::int32_t v : {128, 256, 64, -5, 0, 7})
        cx.sb(10, v);
    const Matrix m{1, 0, 0, 1, 100, -50};
    const Bytes body = cat({le16(3), le16(2), matrix(m), cx.take()});
    const Movie movie = readMovie(movieBytes(cat({tag(kPlaceObject, body), kShowFrameTag, kEndTag})));

    const PlaceCommand &place = placeAt(movie.root, 0, 0);
    EXPECT_EQ(place.depth, 2);
    EXPECT_FALSE(place.move);
    EXPECT_EQ(place.characterId, std::optional<std::uint16_t>(3));
    EXPECT_EQ(place.matrix, std::optional<Matrix>(m));
    ColorTransform expected;
    expected.rMul = 128;
    expected.bMul = 64;
    expected.rAdd = -5;
    expected.bAdd = 7;
    EXPECT_EQ(place.colorTransform, std::optional<ColorTransform>(expected)); // alpha untouched
}

TEST(MovieReader, PlaceObject2WithEveryField)
{
    const Matrix m{1.5, 0.25, -0.25, 2, -300, 40};
    const Bytes clipActions{0, 0, 0x01, 0, 0, 0, 0, 0, 0, 0}; // ignored
    const Bytes body = cat({{0xFF}, le16(5), le16(7), matrix(m), cxformWithAlpha({200, 100, 50, 128}, {-10, 0, 5, 20}),
                            le16(300), cstring("p0"), le16(9), clipActions});
    const Movie movie = readMovie(movieBytes(cat({tag(kPlaceObject2, body), kShowFrameTag, kEndTag})));

    const PlaceCommand &place = placeAt(movie.root, 0, 0);
    EXPECT_EQ(place.depth, 5);
    EXPECT_TRUE(place.move);
    EXPECT_EQ(place.characterId, std::optional<std::uint16_t>(7));
    EXPECT_EQ(place.matrix, std::optional<Matrix>(m));
    EXPECT_EQ(place.colorTransform, std::optional<ColorTransform>(ColorTransform{200, 100, 50, 128, -10, 0, 5, 20}));
    EXPECT_EQ(place.ratio, std::optional<std::uint16_t>(300));
    EXPECT_EQ(place.name, std::optional<std::string>("p0"));
    EXPECT_EQ(place.clipDepth, std::optional<std::uint16_t>(9));
    EXPECT_FALSE(place.visible);
}

TEST(MovieReader, PlaceObject2MoveWithoutCharacterLeavesAbsentFieldsUnset)
{
    const Bytes body = cat({{0x01 | 0x04}, le16(4), matrix({1, 0, 0, 1, 20, 20})});
    const Movie movie = readMovie(movieBytes(cat({tag(kPlaceObject2, body), kShowFrameTag, kEndTag})));
    const PlaceCommand &place = placeAt(movie.root, 0, 0);
    EXPECT_TRUE(place.move);
    EXPECT_FALSE(place.characterId);
    EXPECT_TRUE(place.matrix);
    EXPECT_FALSE(place.colorTransform);
    EXPECT_FALSE(place.ratio);
    EXPECT_FALSE(place.name);
    EXPECT_FALSE(place.clipDepth);
}

TEST(MovieReader, PlaceObject3ReadsClassNameBeforeCharacterAndVisibilityBehindFilters)
{
    constexpr std::uint16_t hasCharacter = 0x02, hasMatrix = 0x04, hasName = 0x20, hasFilters = 0x100,
                            hasBlend = 0x200, hasClassName = 0x800, hasVisible = 0x2000;
    const Bytes blur = cat({{1}, Bytes(9, 0x11)});
    const Bytes gradientGlow = cat({{4, 2}, Bytes(2 * 5 + 19, 0x22)});
    const Bytes visibleTail = cat({{2}, blur, gradientGlow, {5 /* blend */, 0 /* invisible */}});
    const Bytes head = cat({le16(hasCharacter | hasMatrix | hasName | hasFilters | hasBlend | hasClassName | hasVisible),
                            le16(3), cstring("Foo"), le16(12), matrix({1, 0, 0, 1, 60, 80}), cstring("photo")});

    struct Case
    {
        const char *name;
        Bytes tail;
        std::optional<bool> visible;
    };
    const Case cases[] = {
        {"filters, blend mode, visible=0", visibleTail, false},
        {"an unknown filter hides only the visibility", cat({{1, 99}, Bytes(30, 0)}), std::nullopt},
        {"a tail cut short hides only the visibility", cat({{1}, blur}), std::nullopt},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Movie movie = readMovie(movieBytes(cat({tag(kPlaceObject3, cat({head, c.tail})), kShowFrameTag, kEndTag})));
        const PlaceCommand &place = placeAt(movie.root, 0, 0);
        EXPECT_EQ(place.depth, 3);
        EXPECT_EQ(place.characterId, std::optional<std::uint16_t>(12));
        EXPECT_EQ(place.matrix, std::optional<Matrix>(Matrix{1, 0, 0, 1, 60, 80}));
        EXPECT_EQ(place.name, std::optional<std::string>("photo"));
        EXPECT_EQ(place.visible, c.visible);
    }
}

TEST(MovieReader, RemoveObjectBothForms)
{
    const Movie movie = readMovie(movieBytes(cat({tag(kRemoveObject, cat({le16(9), le16(4)})),
                                             tag(kRemoveObject2, le16(6)), kShowFrameTag, kEndTag})));
    const auto &commands = movie.root.frames.at(0).commands;
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(std::get<RemoveCommand>(commands[0]).depth, 4);
    EXPECT_EQ(std::get<RemoveCommand>(commands[1]).depth, 6);
}

TEST(MovieReader, FramesCollectCommandsActionsAndLabels)
{
    const Bytes place = tag(kPlaceObject2, cat({{0x02}, le16(1), le16(1)}));
    const Bytes actionA{0x07, 0x00};             // stop
    const Bytes actionB{0x81, 0x02, 0x00, 0x03, 0x00, 0x00}; // gotoFrame 3
    const Bytes tags = cat({
        tag(kFrameLabel, cstring("intro")), place, tag(kDoAction, actionA), tag(kDoAction, actionB), kShowFrameTag,
        kShowFrameTag,
        tag(kFrameLabel, cat({cstring("end"), {1}})), // with the named-anchor flag
        tag(kRemoveObject2, le16(1)), kShowFrameTag,
        kEndTag,
    });
    const Movie movie = readMovie(movieBytes(tags, 3));

    const Timeline &root = movie.root;
    ASSERT_EQ(root.frames.size(), 3u);
    EXPECT_EQ(root.frames[0].label, "intro");
    EXPECT_EQ(root.frames[0].commands.size(), 1u);
    ASSERT_EQ(root.frames[0].actions.size(), 2u);
    EXPECT_EQ(root.frames[0].actions[0].bytes, actionA);
    EXPECT_EQ(root.frames[0].actions[1].bytes, actionB);
    EXPECT_TRUE(root.frames[1].commands.empty());
    EXPECT_TRUE(root.frames[1].label.empty());
    EXPECT_EQ(root.frames[2].label, "end");
    EXPECT_EQ(root.frames[2].commands.size(), 1u);
    EXPECT_EQ(root.labels, (std::map<std::string, int>{{"intro", 0}, {"end", 2}}));
}

TEST(MovieReader, RootTimelineLengthFollowsTheHeaderFrameCount)
{
    const Bytes place = tag(kPlaceObject2, cat({{0x02}, le16(1), le16(1)}));
    struct Case
    {
        const char *name;
        Bytes tags;
        std::uint16_t frameCount;
        std::size_t frames;
    };
    const Case cases[] = {
        {"padded with empty frames", cat({place, kShowFrameTag, kShowFrameTag, kEndTag}), 5, 5},
        {"content after the last ShowFrame is one more frame", cat({kShowFrameTag, place, kEndTag}), 1, 2},
        {"no tags and frame count 0", kEndTag, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Movie movie = readMovie(movieBytes(c.tags, c.frameCount));
        EXPECT_EQ(movie.frameCount, c.frameCount);
        EXPECT_EQ(movie.root.frames.size(), c.frames);
        for (std::size_t f = 2; f < movie.root.frames.size(); ++f)
            EXPECT_TRUE(movie.root.frames[f].commands.empty());
    }
}

TEST(MovieReader, SpriteHasItsOwnTimelineAndSkipsDefinitionsInside)
{
    const Bytes spriteTags = cat({
        tag(kPlaceObject2, cat({{0x02}, le16(1), le16(1)})),
        kShowFrameTag,
        squareShape(50), // not allowed in a sprite: skipped
        tag(kFrameLabel, cstring("second")),
        tag(kDoAction, {0x06, 0x00}),
        kShowFrameTag,
        kEndTag,
    });
    const Bytes tags = cat({
        squareShape(1),
        tag(kDefineSprite, cat({le16(2), le16(3), spriteTags})),
        tag(kPlaceObject2, cat({{0x22}, le16(1), le16(2), cstring("holder")})),
        kShowFrameTag,
        kEndTag,
    });
    const Movie movie = readMovie(movieBytes(tags));

    EXPECT_EQ(movie.dictionary.count(50), 0u);
    const auto &sprite = std::get<SpriteDef>(movie.dictionary.at(2));
    EXPECT_EQ(sprite.id, 2);
    ASSERT_EQ(sprite.timeline.frames.size(), 3u); // two shown, padded to the sprite's count
    EXPECT_EQ(placeAt(sprite.timeline, 0, 0).characterId, std::optional<std::uint16_t>(1));
    EXPECT_EQ(sprite.timeline.frames[1].label, "second");
    EXPECT_EQ(sprite.timeline.frames[1].actions.size(), 1u);
    EXPECT_EQ(sprite.timeline.labels, (std::map<std::string, int>{{"second", 1}}));

    ASSERT_EQ(movie.root.frames.size(), 1u);
    EXPECT_EQ(placeAt(movie.root, 0, 0).name, std::optional<std::string>("holder"));
}

TEST(MovieReader, TagsThatDoNotMatterAreSkipped)
{
    const Bytes tags = cat({
        tag(69, le32(0)),                               // FileAttributes
        tag(77, cstring("<rdf>metadata</rdf>"), true),  // long form
        tag(kSetBackgroundColor, {10, 20, 30}),
        squareShape(1),
        squareShape(1), // a second definition of id 1 is ignored
        tag(kShowFrame, {}, true),
        kEndTag,
        tag(kRemoveObject2, le16(1)), // after End
    });
    const Movie movie = readMovie(movieBytes(tags));
    EXPECT_EQ(movie.background, (Rgba{10, 20, 30, 255}));
    EXPECT_EQ(movie.dictionary.size(), 1u);
    ASSERT_EQ(movie.root.frames.size(), 1u);
    EXPECT_TRUE(movie.root.frames[0].commands.empty());
}

TEST(MovieReader, FirstDefinitionOfAnIdStands)
{
    ShapeRecords blue(1, 0);
    blue.change({.moveTo = Point{0, 0}, .fill1 = 1}).line(100, 0).line(0, 100).line(-100, 0).line(0, -100);
    const Bytes second = tag(kDefineShape, shapeBody(1, {0, 100, 0, 100}, cat({{1}, solidRgb({0, 0, 255, 255})}), {0}, blue));
    const Movie movie = readMovie(movieBytes(cat({squareShape(1), second, kShowFrameTag, kEndTag})));
    const auto &shape = std::get<ShapeDef>(movie.dictionary.at(1));
    EXPECT_EQ(shape.layers.at(0).fills.at(0).colour, (Rgba{255, 0, 0, 255}));
}

} // namespace
} // namespace velumo::swf
