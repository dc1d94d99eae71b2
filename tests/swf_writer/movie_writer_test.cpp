#include "players/swf/writer/movie_writer.h"

#include "tests/swf_writer/swf_bytes.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace velumo::swf;
using namespace velumo::swf::writer;
using swf_bytes::concat;
using swf_bytes::cstr;
using swf_bytes::hex;
using swf_bytes::parseMovie;
using swf_bytes::splitTags;

namespace {

const Rgba red{255, 0, 0, 255};

enum Code : std::uint16_t {
    End = 0,
    ShowFrame = 1,
    SetBackgroundColor = 9,
    DoAction = 12,
    DefineBitsJpeg2 = 21,
    PlaceObject2 = 26,
    RemoveObject2 = 28,
    DefineShape3 = 32,
    DefineBitsJpeg3 = 35,
    DefineBitsLossless2 = 36,
    DefineSprite = 39,
    FrameLabel = 43,
    FileAttributes = 69,
};

// White 200 x 100 px stage at 25 fps, a red rectangle at (20, 20) px of 100 x 50 px, one frame.
const char *const redRectangleFile = "46 57 53 08 4d 00 00 00"
                                     "68 00 1f 40 00 03 e8 00 00 19 01 00"
                                     "44 11 00 00 00 00"
                                     "43 02 ff ff ff"
                                     "a0 00 01 00 68 64 12 c0 19 02 bc 00"
                                     "01 00 ff 00 00 00 10"
                                     "15 4c 83 21 e8 7d 0e 57 d1 d1 06 1c b0 60 00"
                                     "86 06 06 01 00 01 00 00"
                                     "40 00 00 00";

std::uint16_t defineRedRectangle(MovieWriter &movie, ShapeTag tag = ShapeTag::Auto)
{
    ShapeBuilder shape;
    shape.rectangle({400, 2400, 400, 1400}, shape.addFill(solidFill(red)));
    return movie.defineShape(shape, tag);
}

MovieWriter redRectangleMovie()
{
    MovieWriter movie;
    movie.setStageSize(200, 100);
    movie.place(1, defineRedRectangle(movie, ShapeTag::DefineShape));
    movie.showFrame();
    return movie;
}

std::size_t countCode(const std::vector<swf_bytes::Tag> &tags, std::uint16_t code)
{
    return static_cast<std::size_t>(
        std::count_if(tags.begin(), tags.end(), [&](const swf_bytes::Tag &t) { return t.code == code; }));
}

TEST(MovieWriterTest, RedRectangleMatchesTheHandVectorByteForByte)
{
    const Bytes file = redRectangleMovie().finish();
    EXPECT_EQ(file.size(), 77u);
    EXPECT_EQ(file, hex(redRectangleFile));
}

TEST(MovieWriterTest, CompressedFileInflatesToTheUncompressedBody)
{
    const MovieWriter movie = redRectangleMovie();
    const Bytes plain = movie.finish(Compression::None);
    const Bytes packed = movie.finish(Compression::Zlib);
    ASSERT_GT(packed.size(), 8u);
    EXPECT_EQ(Bytes(packed.begin(), packed.begin() + 3), hex("43 57 53")); // CWS
    // Version and FileLength (the uncompressed length, 77) are those of the plain file.
    EXPECT_EQ(Bytes(packed.begin() + 3, packed.begin() + 8), Bytes(plain.begin() + 3, plain.begin() + 8));
    EXPECT_EQ(swf_bytes::inflate(std::span(packed).subspan(8)), Bytes(plain.begin() + 8, plain.end()));
}

TEST(MovieWriterTest, ScaledTranslucentPlacementMatchesTheHandVector)
{
    MovieWriter movie;
    movie.setStageSize(200, 100);
    PlaceCommand place;
    place.depth = 1;
    place.characterId = defineRedRectangle(movie, ShapeTag::DefineShape);
    place.matrix = Matrix{0.5, 0, 0, 0.5, 2000, 1000};
    place.colorTransform = ColorTransform{256, 256, 256, 128, 0, 0, 0, 0};
    movie.place(place);
    movie.showFrame();

    Bytes expected = hex(redRectangleFile);
    const Bytes oldPlace = hex("86 06 06 01 00 01 00 00");
    const auto at = std::search(expected.begin(), expected.end(), oldPlace.begin(), oldPlace.end());
    ASSERT_NE(at, expected.end());
    const Bytes newPlace = hex("94 06 0e 01 00 01 00 c5 00 00 80 00 31 f4 0f a0 69 00 40 10 02 00");
    expected.insert(expected.erase(at, at + long(oldPlace.size())), newPlace.begin(), newPlace.end());
    expected[4] = static_cast<std::uint8_t>(expected.size()); // FileLength 91
    EXPECT_EQ(movie.finish(), expected);
}

TEST(MovieWriterTest, HandshakeMovieWithPlaceholderSprite)
{
    MovieWriter movie;
    movie.setStageSize(1920, 1080);
    defineRedRectangle(movie);
    const std::uint16_t placeholder = movie.defineSprite(SpriteWriter{});
    EXPECT_EQ(placeholder, 2);
    PlaceCommand place;
    place.depth = 1;
    place.characterId = placeholder;
    place.name = "p0";
    movie.place(place);
    ActionAssembler actions;
    actions.setVariable("l_x_z_f_c", "l_x_z_f_c_s_y_w_j")
        .loadMovie("../../pic/picture_0.rar", "_root.p0")
        .fscommand("picture_0")
        .stop();
    movie.doAction(actions);
    movie.showFrame();

    const auto parsed = parseMovie(movie.finish(Compression::Zlib));
    EXPECT_EQ(parsed.signature, "CWS");
    EXPECT_EQ(parsed.fileLength, parsed.uncompressed.size());
    const auto &tags = parsed.tags;
    ASSERT_EQ(tags.size(), 8u);
    EXPECT_EQ(tags[3].code, DefineSprite);
    // Id 2, one frame: ShowFrame, End.
    EXPECT_EQ(tags[3].body, hex("02 00 01 00 40 00 00 00"));
    EXPECT_EQ(tags[4].code, PlaceObject2);
    EXPECT_EQ(tags[4].body, concat({hex("22 01 00 02 00"), cstr("p0")}));
    EXPECT_EQ(tags[5].code, DoAction);
    EXPECT_TRUE(tags[5].longHeader);
    EXPECT_EQ(tags[5].body, actions.bytes());
    EXPECT_EQ(tags[6].code, ShowFrame);
}

TEST(MovieWriterTest, FrameCountEqualsTheShowFramesWritten)
{
    struct Case
    {
        const char *what;
        std::function<void(MovieWriter &)> build;
        std::uint16_t frames;
    };
    const Case cases[] = {
        {"nothing: one empty frame", [](MovieWriter &) {}, 1},
        {"three frames",
         [](MovieWriter &m) {
             for (int i = 0; i < 3; ++i)
                 m.showFrame();
         },
         3},
        {"tags after the last frame close one more",
         [](MovieWriter &m) {
             m.place(1, defineRedRectangle(m));
             m.showFrame();
             m.showFrame();
             m.remove(1);
         },
         3},
        {"a definition after the last frame opens none",
         [](MovieWriter &m) {
             m.showFrame();
             defineRedRectangle(m);
         },
         1},
        {"label only", [](MovieWriter &m) { m.frameLabel("intro"); }, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        MovieWriter movie;
        movie.setStageSize(10, 10);
        c.build(movie);
        const auto parsed = parseMovie(movie.finish());
        EXPECT_EQ(parsed.frameCount, c.frames);
        EXPECT_EQ(countCode(parsed.tags, ShowFrame), c.frames);
        EXPECT_EQ(parsed.tags.back().code, End);
        EXPECT_EQ(parsed.fileLength, parsed.uncompressed.size());
    }

    // The same rule inside a sprite.
    MovieWriter movie;
    movie.setStageSize(10, 10);
    const auto shape = defineRedRectangle(movie);
    SpriteWriter sprite;
    sprite.place(1, shape);
    sprite.showFrame();
    sprite.showFrame();
    sprite.remove(1);
    EXPECT_EQ(sprite.frameCount(), 2);
    movie.defineSprite(sprite);
    const auto tags = parseMovie(movie.finish()).tags;
    const auto spriteTag = std::find_if(tags.begin(), tags.end(), [](const auto &t) { return t.code == DefineSprite; });
    ASSERT_NE(spriteTag, tags.end());
    const auto inner = splitTags(std::span(spriteTag->body).subspan(4));
    EXPECT_EQ(spriteTag->body[2] | spriteTag->body[3] << 8, 3);
    EXPECT_EQ(countCode(inner, ShowFrame), 3u);
    EXPECT_EQ(inner.back().code, End);
}

TEST(MovieWriterTest, HeaderSettingsAndLeadingTags)
{
    MovieWriter movie;
    movie.setStageRect({-200, 200, 0, 100});
    movie.setFrameRate(12.5);
    movie.setBackground({0x12, 0x34, 0x56, 0});
    auto parsed = parseMovie(movie.finish());
    EXPECT_EQ(parsed.version, 8);
    EXPECT_EQ(parsed.frameRate, 0x0C80);
    ASSERT_GE(parsed.tags.size(), 2u);
    EXPECT_EQ(parsed.tags[0].code, FileAttributes);
    EXPECT_EQ(parsed.tags[0].body, hex("00 00 00 00"));
    EXPECT_EQ(parsed.tags[1].code, SetBackgroundColor);
    EXPECT_EQ(parsed.tags[1].body, hex("12 34 56"));
    // Stage RECT: 200 needs 9 bits, so NBits 9, then -200, 200, 0, 100.
    EXPECT_EQ(Bytes(parsed.uncompressed.begin() + 8, parsed.uncompressed.begin() + 14), hex("4c e1 90 00 32 00"));

    // Before SWF 8 there is no FileAttributes tag.
    movie.setVersion(7);
    parsed = parseMovie(movie.finish());
    EXPECT_EQ(parsed.version, 7);
    EXPECT_EQ(parsed.tags[0].code, SetBackgroundColor);
    EXPECT_EQ(countCode(parsed.tags, FileAttributes), 0u);
}

TEST(MovieWriterTest, PlaceRemoveAndLabelTags)
{
    struct Case
    {
        const char *what;
        std::function<void(MovieWriter &)> write;
        std::uint16_t code;
        Bytes body;
    };
    auto command = [](std::uint16_t depth, bool move) {
        PlaceCommand c;
        c.depth = depth;
        c.move = move;
        return c;
    };
    const Case cases[] = {
        {"new instance with a name",
         [&](MovieWriter &m) {
             PlaceCommand c = command(1, false);
             c.characterId = 1;
             c.matrix = Matrix{};
             c.name = "p0";
             m.place(c);
         },
         PlaceObject2, hex("26 01 00 01 00 00 70 30 00")},
        {"move", [](MovieWriter &m) { m.modify(3, {1, 0, 0, 1, 20, -20}); }, PlaceObject2, hex("05 03 00 0c a5 80")},
        {"ratio and clip depth",
         [&](MovieWriter &m) {
             PlaceCommand c = command(5, false);
             c.characterId = 1;
             c.ratio = 7;
             c.clipDepth = 9;
             m.place(c);
         },
         PlaceObject2, hex("52 05 00 01 00 07 00 09 00")},
        {"replace the character, keep the rest",
         [&](MovieWriter &m) {
             PlaceCommand c = command(2, true);
             c.characterId = 1;
             m.place(c);
         },
         PlaceObject2, hex("03 02 00 01 00")},
        {"fade only",
         [&](MovieWriter &m) {
             PlaceCommand c = command(2, true);
             c.colorTransform = ColorTransform{256, 256, 256, 128, 0, 0, 0, 0};
             m.place(c);
         },
         PlaceObject2, hex("09 02 00 69 00 40 10 02 00")},
        {"remove", [](MovieWriter &m) { m.remove(5); }, RemoveObject2, hex("05 00")},
        {"frame label", [](MovieWriter &m) { m.frameLabel("intro"); }, FrameLabel, cstr("intro")},
        {"raw actions", [](MovieWriter &m) { m.doAction(hex("07 00")); }, DoAction, hex("07 00")},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        MovieWriter movie;
        movie.setStageSize(10, 10);
        defineRedRectangle(movie);
        c.write(movie);
        movie.showFrame();
        const auto tags = parseMovie(movie.finish()).tags;
        ASSERT_EQ(tags.size(), 6u); // FileAttributes, background, shape, the tag, ShowFrame, End
        EXPECT_EQ(tags[3].code, c.code);
        EXPECT_EQ(tags[3].body, c.body);
    }
}

TEST(MovieWriterTest, RefusesInvalidTimelines)
{
    const std::function<void(MovieWriter &)> cases[] = {
        [](MovieWriter &m) { m.place(1, 1); },                        // nothing defined yet
        [](MovieWriter &m) { m.place(1, defineRedRectangle(m) + 1); }, // not defined
        [](MovieWriter &m) {
            defineRedRectangle(m);
            m.place(1, 0);
        },
        [](MovieWriter &m) {
            PlaceCommand c;
            c.depth = 1; // new instance without a character
            m.place(c);
        },
        [](MovieWriter &m) {
            PlaceCommand c;
            c.depth = 1;
            c.move = true;
            c.visible = false; // PlaceObject3 only
            m.place(c);
        },
        [](MovieWriter &m) {
            SpriteWriter s;
            s.place(1, 2); // the sprite would be id 1: character 2 comes after it
            m.defineSprite(s);
        },
        [](MovieWriter &m) {
            SpriteWriter s;
            s.place(1, 1); // would place itself
            m.defineSprite(s);
        },
        [](MovieWriter &m) { m.doAction(hex("07")); }, // no End action
        [](MovieWriter &m) { m.frameLabel(""); },
        [](MovieWriter &m) { m.setFrameRate(0); },
        [](MovieWriter &m) { m.setFrameRate(300); },
        [](MovieWriter &m) { m.setStageSize(0, 100); },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        MovieWriter movie;
        movie.setStageSize(10, 10);
        EXPECT_THROW(cases[i](movie), WriteError);
    }
}

TEST(MovieWriterTest, VersionMustHoldEveryTagAndTheCompression)
{
    struct Case
    {
        const char *what;
        std::uint8_t version;
        std::function<void(MovieWriter &)> build;
        Compression compression;
        bool ok;
    };
    auto shape4 = [](MovieWriter &m) {
        ShapeBuilder s;
        s.setNonZeroWinding(true);
        s.rectangle({0, 10, 0, 10}, s.addFill(solidFill(red)));
        m.defineShape(s);
    };
    const Case cases[] = {
        {"DefineShape4 in SWF 8", 8, shape4, Compression::None, true},
        {"DefineShape4 in SWF 7", 7, shape4, Compression::None, false},
        {"DefineShape3 and PlaceObject2 in SWF 3", 3,
         [](MovieWriter &m) { m.place(1, defineRedRectangle(m)); }, Compression::None, true},
        {"PlaceObject2 in SWF 2", 2, [](MovieWriter &m) { m.place(1, defineRedRectangle(m, ShapeTag::DefineShape)); },
         Compression::None, false},
        {"compressed in SWF 6", 6, [](MovieWriter &) {}, Compression::Zlib, true},
        {"compressed in SWF 5", 5, [](MovieWriter &) {}, Compression::Zlib, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        MovieWriter movie;
        movie.setStageSize(10, 10);
        movie.setVersion(c.version);
        c.build(movie);
        if (c.ok) {
            const auto parsed = parseMovie(movie.finish(c.compression));
            EXPECT_EQ(parsed.version, c.version);
        } else {
            EXPECT_THROW(movie.finish(c.compression), WriteError);
        }
    }
    MovieWriter noStage;
    EXPECT_THROW(noStage.finish(), WriteError);
}

Bytes jpegFile(const QImage &image)
{
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, "JPEG", 95));
    return Bytes(data.begin(), data.end());
}

QImage decodeJpeg(std::span<const std::uint8_t> jpeg)
{
    QImage image;
    image.loadFromData(jpeg.data(), static_cast<int>(jpeg.size()), "JPEG");
    return image;
}

const swf_bytes::Tag &onlyTag(const std::vector<swf_bytes::Tag> &tags, std::uint16_t code)
{
    const auto it = std::find_if(tags.begin(), tags.end(), [&](const auto &t) { return t.code == code; });
    if (it == tags.end() || countCode(tags, code) != 1)
        throw std::runtime_error("expected exactly one tag " + std::to_string(code));
    return *it;
}

std::vector<swf_bytes::Tag> tagsWith(const std::function<void(MovieWriter &)> &define)
{
    MovieWriter movie;
    movie.setStageSize(10, 10);
    define(movie);
    return parseMovie(movie.finish()).tags;
}

TEST(Bitmaps, LosslessIsPremultipliedArgbWithALongHeader)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 255, 0, 255));
    image.setPixel(0, 1, qRgba(0, 0, 255, 255));
    image.setPixel(1, 1, qRgba(255, 255, 255, 128));
    const auto tags = tagsWith([&](MovieWriter &m) { EXPECT_EQ(m.defineBitmapLossless(image), 1); });
    const auto &tag = onlyTag(tags, DefineBitsLossless2);
    EXPECT_TRUE(tag.longHeader);
    // Id 1, format 5, 2 x 2.
    ASSERT_GT(tag.body.size(), 7u);
    EXPECT_EQ(Bytes(tag.body.begin(), tag.body.begin() + 7), hex("01 00 05 02 00 02 00"));
    EXPECT_EQ(swf_bytes::inflate(std::span(tag.body).subspan(7)),
              hex("ff ff 00 00 | ff 00 ff 00 | ff 00 00 ff | 80 80 80 80"));

    // An opaque format gets alpha 255.
    QImage opaque(1, 1, QImage::Format_RGB888);
    opaque.setPixel(0, 0, qRgb(1, 2, 3));
    const auto opaqueTags = tagsWith([&](MovieWriter &m) { m.defineBitmapLossless(opaque); });
    const auto &small = onlyTag(opaqueTags, DefineBitsLossless2);
    EXPECT_TRUE(small.longHeader) << "bitmap definitions are always long, even when short";
    EXPECT_EQ(swf_bytes::inflate(std::span(small.body).subspan(7)), hex("ff 01 02 03"));
}

TEST(Bitmaps, JpegFromFileBytesIsStoredAsItIs)
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(qRgb(10, 200, 30));
    const Bytes file = jpegFile(image);
    const auto tags = tagsWith([&](MovieWriter &m) {
        defineRedRectangle(m);
        EXPECT_EQ(m.defineBitmapJpeg(QByteArray(reinterpret_cast<const char *>(file.data()), qsizetype(file.size()))),
                  2);
    });
    const auto &tag = onlyTag(tags, DefineBitsJpeg2);
    EXPECT_TRUE(tag.longHeader);
    EXPECT_EQ(tag.body, concat({hex("02 00"), file}));

    MovieWriter movie;
    EXPECT_THROW(movie.defineBitmapJpeg(QByteArray("\x89PNG\r\n\x1a\n")), WriteError);
    EXPECT_THROW(movie.defineBitmapJpeg(QImage()), WriteError);
    EXPECT_THROW(movie.defineBitmapLossless(QImage()), WriteError);
}

TEST(Bitmaps, JpegFromImageUsesJpeg3OnlyWhenSomePixelIsTransparent)
{
    // Opaque pixels in a format with alpha: plain DefineBitsJPEG2.
    QImage opaque(16, 8, QImage::Format_ARGB32);
    opaque.fill(qRgba(200, 100, 50, 255));
    const auto tags2 = tagsWith([&](MovieWriter &m) { m.defineBitmapJpeg(opaque, 95); });
    EXPECT_EQ(countCode(tags2, DefineBitsJpeg3), 0u);
    const auto &jpeg2 = onlyTag(tags2, DefineBitsJpeg2);
    const QImage decoded2 = decodeJpeg(std::span(jpeg2.body).subspan(2));
    ASSERT_EQ(decoded2.size(), QSize(16, 8));
    EXPECT_NEAR(qRed(decoded2.pixel(8, 4)), 200, 4);

    // Half transparent: JPEG of the premultiplied colour, then the alpha bytes.
    QImage translucent(16, 8, QImage::Format_ARGB32);
    translucent.fill(qRgba(200, 100, 50, 128));
    translucent.setPixel(0, 0, qRgba(0, 0, 0, 0));
    const auto tags3 = tagsWith([&](MovieWriter &m) { m.defineBitmapJpeg(translucent, 95); });
    const auto &jpeg3 = onlyTag(tags3, DefineBitsJpeg3);
    EXPECT_TRUE(jpeg3.longHeader);
    swf_bytes::BitReader r(jpeg3.body);
    EXPECT_EQ(r.u16(), 1);
    const std::uint32_t alphaOffset = r.u16() | std::uint32_t(r.u16()) << 16;
    ASSERT_LT(6 + alphaOffset, jpeg3.body.size());
    const QImage colour = decodeJpeg(std::span(jpeg3.body).subspan(6, alphaOffset));
    ASSERT_EQ(colour.size(), QSize(16, 8));
    EXPECT_NEAR(qRed(colour.pixel(8, 4)), 100, 4);
    EXPECT_NEAR(qGreen(colour.pixel(8, 4)), 50, 4);
    EXPECT_NEAR(qBlue(colour.pixel(8, 4)), 25, 4);
    Bytes alpha(16 * 8, 128);
    alpha[0] = 0;
    EXPECT_EQ(swf_bytes::inflate(std::span(jpeg3.body).subspan(6 + alphaOffset)), alpha);
}

} // namespace
