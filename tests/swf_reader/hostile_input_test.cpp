// Malformed and hostile movies: every one is a FormatError with a readable message, never a
// crash, a hang or a huge allocation.
#include "players/swf/reader/movie_reader.h"
#include "tests/swf_reader/swf_fixture.h"

#include <QBuffer>
#include <QImage>

#include <gtest/gtest.h>

namespace velumo::swf {
namespace {

using namespace test;

constexpr std::uint16_t kEnd = 0, kShowFrame = 1, kDefineShape = 2, kDefineBitsLossless2 = 36, kDefineBitsJpeg2 = 21,
                        kDefineBitsJpeg3 = 35, kDefineSprite = 39;
const Bytes kEndTag = tag(kEnd, {});

std::string formatErrorOf(const Bytes &bytes)
{
    try {
        readMovie(bytes);
    } catch (const FormatError &error) {
        return error.what();
    }
    return "(no error)";
}

Bytes smallJpeg()
{
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::gray);
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG");
    return Bytes(data.begin(), data.end());
}

// The JPEG with its frame header claiming 65000×65000 pixels.
Bytes hugeJpeg()
{
    Bytes data = smallJpeg();
    for (std::size_t i = 2; i + 9 < data.size(); ++i) {
        if (data[i] == 0xFF && data[i + 1] == 0xC0) {
            data[i + 5] = 0xFD; // height
            data[i + 6] = 0xE8;
            data[i + 7] = 0xFD; // width
            data[i + 8] = 0xE8;
            return data;
        }
    }
    ADD_FAILURE() << "no baseline frame header";
    return data;
}

TEST(HostileInput, EveryTruncationOfAMovieIsAFormatError)
{
    const Bytes movies[] = {redRectangle(), compressed(redRectangle())};
    for (const Bytes &whole : movies) {
        ASSERT_NO_THROW(readMovie(whole));
        for (std::size_t length = 0; length < whole.size(); ++length) {
            SCOPED_TRACE(std::string(1, char(whole[0])) + "WS cut to " + std::to_string(length) + " bytes");
            EXPECT_THROW(readMovie(std::span(whole).first(length)), FormatError);
        }
    }
}

TEST(HostileInput, MalformedMoviesFailWithAMessage)
{
    const Bytes fillRed = cat({{1}, solidRgb({255, 0, 0, 255})});
    const Bytes bomb = [] {
        Bytes body = zlib(Bytes(1 << 20, 0)); // 1 MiB of zeros in about 1 KiB
        return cat({Bytes{'C', 'W', 'S', 8}, le32(100), body});
    }();
    const Bytes nestedSprite = [] {
        const Bytes inner = tag(kDefineSprite, cat({le16(3), le16(1), tag(kShowFrame, {}), kEndTag}));
        return tag(kDefineSprite, cat({le16(2), le16(1), inner, tag(kShowFrame, {}), kEndTag}));
    }();
    const Bytes overflowingEdges = [] {
        ShapeRecords r(1, 0);
        r.change({.moveTo = Point{1073741000, 0}, .fill1 = 1}); // the largest a 31-bit MoveTo holds
        for (int i = 0; i < 17000; ++i)
            r.line(65535, 0);
        return r.end();
    }();
    const Bytes noEndRecord = cat({le16(1), rect({0, 10, 0, 10}), fillRed, {0}, {0x10, 0x15}});
    const Bytes tooManyFrames = [] {
        Bytes tags;
        for (int i = 0; i < 16001; ++i)
            tags.insert(tags.end(), {0x40, 0x00});
        return cat({tags, tag(kEnd, {})});
    }();
    const Bytes twoByTwoArgb(16, 0x80);

    struct Case
    {
        const char *name;
        Bytes movie;
        const char *message; // part of the expected message
    };
    const Case cases[] = {
        {"empty file", {}, "too short"},
        {"not a movie", Bytes(40, 'x'), "neither FWS nor CWS"},
        {"LZMA movie", cat({Bytes{'Z', 'W', 'S', 13}, le32(100), Bytes(40, 0)}), "ZWS"},
        {"tag length past the end (long form)",
         movieBytes(cat({le16(kDefineShape << 6 | 0x3F), le32(1000), Bytes(10, 0)})), "declares 1000 bytes"},
        {"tag length past the end (short form)", movieBytes(cat({le16(kDefineShape << 6 | 20), Bytes(5, 0)})),
         "declares 20 bytes"},
        {"no End tag", movieBytes(tag(kShowFrame, {})), "End tag"},
        {"bit reader runs out in a RECT", movieBytes(cat({tag(kDefineShape, {1, 0, 0xF8}), kEndTag})),
         "unexpected end"},
        {"shape records without their end", movieBytes(cat({tag(kDefineShape, noEndRecord), kEndTag})),
         "unexpected end"},
        {"unknown fill style type",
         movieBytes(cat({tag(kDefineShape, cat({le16(1), rect({0, 1, 0, 1}), {1, 0x99}})), kEndTag})),
         "unknown fill style type 0x99"},
        {"coordinates past 32 bits",
         movieBytes(cat({tag(kDefineShape, cat({le16(1), rect({0, 1, 0, 1}), fillRed, {0}, overflowingEdges})), kEndTag})),
         "out of range"},
        {"compressed body inflating past its declared length", bomb, "inflates past"},
        {"corrupt compressed body", cat({Bytes{'C', 'W', 'S', 8}, le32(100), Bytes(30, 0x55)}), "corrupt"},
        {"frame count above the limit", movieBytes(kEndTag, 16001), "frame count 16001"},
        {"more ShowFrames than the limit", movieBytes(tooManyFrames, 1), "more than 16000 frames"},
        {"absurd lossless bitmap size",
         movieBytes(cat({tag(kDefineBitsLossless2, cat({le16(1), {5}, le16(65535), le16(65535), zlib({0})}), true), kEndTag})),
         "larger than the limit"},
        {"lossless data shorter than the pixels need",
         movieBytes(cat({tag(kDefineBitsLossless2, cat({le16(1), {5}, le16(4), le16(4), zlib(twoByTwoArgb)}), true),
                         kEndTag})),
         "inflates to 16 bytes"},
        {"unsupported lossless format",
         movieBytes(cat({tag(kDefineBitsLossless2, cat({le16(1), {4}, le16(1), le16(1), zlib({0, 0, 0, 0})}), true),
                         kEndTag})),
         "format 4"},
        {"JPEG claiming 65000×65000 pixels",
         movieBytes(cat({tag(kDefineBitsJpeg2, cat({le16(1), hugeJpeg()}), true), kEndTag})), "larger than the limit"},
        {"JPEG that is not one", movieBytes(cat({tag(kDefineBitsJpeg2, cat({le16(1), Bytes(64, 0x42)}), true), kEndTag})),
         "jpeg"},
        {"JPEG3 alpha offset past the tag",
         movieBytes(cat({tag(kDefineBitsJpeg3, cat({le16(1), le32(5000), smallJpeg()}), true), kEndTag})),
         "alpha data offset"},
        {"JPEG3 alpha plane too short",
         movieBytes(cat({tag(kDefineBitsJpeg3, cat({le16(1), le32(std::uint32_t(smallJpeg().size())), smallJpeg(),
                                                    zlib(Bytes(10, 0xFF))}),
                             true),
                         kEndTag})),
         "alpha data inflates to 10 bytes"},
        {"sprite defining a sprite", movieBytes(cat({nestedSprite, kEndTag})), "may not define another sprite"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const std::string message = formatErrorOf(c.movie);
        EXPECT_NE(message.find(c.message), std::string::npos) << message;
        EXPECT_NE(message.find("(byte "), std::string::npos) << message;
    }
}

TEST(HostileInput, MessagesNameTheTagAndTheByteOffset)
{
    // The first tag of these fixtures starts at byte 20; after its header, the id and a 2-byte
    // RECT comes the style count at 26 and the fill style type at 27.
    const Bytes shape = tag(kDefineShape, cat({le16(1), rect({0, 1, 0, 1}), {1, 0x99}}));
    EXPECT_EQ(formatErrorOf(movieBytes(cat({shape, kEndTag}))),
              "DefineShape at byte 20: unknown fill style type 0x99 (byte 27)");
}

TEST(HostileInput, ShapeWithTooManyPointsFails)
{
    ShapeRecords r(1, 0);
    r.change({.moveTo = Point{0, 0}, .fill1 = 1});
    for (int i = 0; i < 500'001; ++i)
        r.line(i % 2 ? -1 : 1, 0);
    const Bytes body = cat({le16(1), rect({0, 1, 0, 1}), {1}, solidRgb({0, 0, 0, 255}), {0}, r.end()});
    const std::string message = formatErrorOf(movieBytes(cat({tag(kDefineShape, body), kEndTag})));
    EXPECT_EQ(message.find("more than"), std::string::npos) << "half a million edges are allowed: " << message;

    ShapeRecords both(1, 1); // the same edges held by a fill and a line count twice
    both.change({.moveTo = Point{0, 0}, .fill1 = 1, .line = 1});
    for (int i = 0; i < 500'001; ++i)
        both.line(i % 2 ? -1 : 1, 0);
    const Bytes twice = cat({le16(1), rect({0, 1, 0, 1}), {1}, solidRgb({0, 0, 0, 255}), {1}, le16(20), {0, 0, 0}, both.end()});
    EXPECT_NE(formatErrorOf(movieBytes(cat({tag(kDefineShape, twice), kEndTag}))).find("more than 1000000 points"),
              std::string::npos);
}

} // namespace
} // namespace velumo::swf
