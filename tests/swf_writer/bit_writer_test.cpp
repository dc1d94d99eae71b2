#include "players/swf/writer/bit_writer.h"
#include "players/swf/writer/records.h"
#include "players/swf/writer/tag_writer.h"

#include "tests/swf_writer/swf_bytes.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>

using namespace velumo::swf;
using namespace velumo::swf::writer;
using swf_bytes::hex;

namespace {

template<typename Write>
Bytes written(Write write)
{
    BitWriter out;
    write(out);
    return out.take();
}

TEST(FieldWidths, SignedNeedsOnePlusTheBitLengthOfTheValueOrItsComplement)
{
    const struct
    {
        std::int32_t value;
        int bits;
    } cases[] = {
        {0, 0}, // a zero field may be omitted: SB[0] reads as 0
        {1, 2},       {-1, 1},      {2, 3},       {-2, 2},    {-3, 3},     {400, 10},
        {2000, 12},   {-2000, 12},  {-1000, 11},  {65535, 17}, {-65536, 17}, {65536, 18},
        {-65537, 18}, {INT_MAX, 32}, {INT_MIN, 32},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(signedBits(c.value), c.bits);
        // The width is enough, and one less is not.
        EXPECT_NO_THROW(written([&](BitWriter &w) { w.sb(c.value, c.bits); }));
        if (c.bits > 0) {
            EXPECT_THROW(written([&](BitWriter &w) { w.sb(c.value, c.bits - 1); }), WriteError);
        }
    }
}

TEST(FieldWidths, UnsignedAndFixedPoint)
{
    EXPECT_EQ(unsignedBits(0), 0);
    EXPECT_EQ(unsignedBits(1), 1);
    EXPECT_EQ(unsignedBits(255), 8);
    EXPECT_EQ(unsignedBits(256), 9);

    EXPECT_EQ(fixedBits(1.0), 18); // 65536
    EXPECT_EQ(fixedBits(-1.0), 17);
    EXPECT_EQ(fixedBits(0.5), 17);
    EXPECT_EQ(fixedBits(20.0), 22); // the bitmap fill scale: 1310720
    EXPECT_EQ(fixedBits(0.0), 0);
    EXPECT_EQ(toFixed16(1.0 / 65536 * 0.6), 1); // rounded, not truncated
    EXPECT_EQ(toFixed16(-0.5), -32768);
    EXPECT_THROW(toFixed16(40000.0), WriteError);
    EXPECT_EQ(toFixed8(1.0), 256);
    EXPECT_THROW(toFixed8(200.0), WriteError);
}

TEST(BitWriterTest, PacksMostSignificantBitFirstAndPadsWithZeros)
{
    EXPECT_EQ(written([](BitWriter &w) {
                  w.ub(1, 1);
                  w.ub(0b01, 2);
                  w.sb(-1, 3);
              }),
              hex("bc"));
    // Fields cross byte boundaries; a negative value is stored in two's complement.
    EXPECT_EQ(written([](BitWriter &w) {
                  w.ub(0b101, 3);
                  w.sb(-2000, 12);
              }),
              hex("b0 60"));
    EXPECT_EQ(written([](BitWriter &w) { w.ub(0xFFFFFFFFu, 32); }), hex("ff ff ff ff"));
}

TEST(BitWriterTest, ByteWritesAreLittleEndianAndStartOnAByteBoundary)
{
    EXPECT_EQ(written([](BitWriter &w) {
                  w.ub(1, 1);
                  w.u16(0x1234);
                  w.u32(0x89abcdef);
                  w.f32(1.5f);
                  w.string("ab");
              }),
              hex("80 | 34 12 | ef cd ab 89 | 00 00 c0 3f | 61 62 00"));
}

TEST(BitWriterTest, RefusesValuesThatDoNotFit)
{
    const std::function<void(BitWriter &)> cases[] = {
        [](BitWriter &w) { w.ub(2, 1); },
        [](BitWriter &w) { w.ub(1, 0); },
        [](BitWriter &w) { w.sb(2, 2); },
        [](BitWriter &w) { w.sb(-3, 2); },
        [](BitWriter &w) { w.ub(0, 33); },
        [](BitWriter &w) { w.string(std::string_view("a\0b", 3)); },
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        BitWriter w;
        EXPECT_THROW(cases[i](w), WriteError);
    }
}

TEST(Records, RectUsesTheWidthOfItsWidestValue)
{
    // The stage and shape bounds of the red-rectangle movie.
    EXPECT_EQ(written([](BitWriter &w) { writeRect(w, {0, 4000, 0, 2000}); }), hex("68 00 1f 40 00 03 e8 00"));
    EXPECT_EQ(written([](BitWriter &w) { writeRect(w, {400, 2400, 400, 1400}); }), hex("68 64 12 c0 19 02 bc 00"));
    EXPECT_EQ(written([](BitWriter &w) { writeRect(w, {}); }), hex("00"));
}

TEST(Records, Matrix)
{
    const struct
    {
        const char *what;
        Matrix matrix;
        const char *bytes;
    } cases[] = {
        {"identity: no scale, no rotation, zero-width translation", {}, "00"},
        {"scale 0.5, translate (2000, 1000)", {0.5, 0, 0, 0.5, 2000, 1000}, "c5 00 00 80 00 31 f4 0f a0"},
        {"translation only, negative y", {1, 0, 0, 1, 20, -20}, "0c a5 80"},
        {"translation rounds to whole twips", {1, 0, 0, 1, 19.6, -20.4}, "0c a5 80"},
        {"bitmap at 20 twips per pixel, 22-bit scale", {20, 0, 0, 20, 400, 400}, "d9 40 00 05 00 00 0a 64 19 00"},
        // A rotation needs the scale terms even when they are 0: absent scale means 1.0.
        {"rotation by 90 degrees", {0, 1, -1, 0, 0, 0}, "83 24 00 03 00 00 00"},
        {"skew only: scale 1.0 is left out", {1, 0, 0.5, 1, 0, 0}, "62 00 00 40 00 00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(written([&](BitWriter &w) { writeMatrix(w, c.matrix); }), hex(c.bytes));
    }
}

TEST(Records, ColorTransformFlagsAddThenMultiplyButTermsMultiplyThenAdd)
{
    const struct
    {
        const char *what;
        ColorTransform transform;
        const char *bytes;
    } cases[] = {
        {"identity", {}, "00"},
        {"alpha 50%", {256, 256, 256, 128, 0, 0, 0, 0}, "69 00 40 10 02 00"},
        {"add term only, negative", {256, 256, 256, 256, -255, 0, 0, 0}, "a6 02 00 00 00 00"},
        {"both", {256, 128, 256, 256, 0, 0, 10, 0}, "e9 00 20 10 04 00 00 00 00 a0 00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(written([&](BitWriter &w) { writeColorTransform(w, c.transform); }), hex(c.bytes));
    }
    // Nbits is UB[4]: a term needing 16 bits cannot be written.
    EXPECT_THROW(written([](BitWriter &w) { writeColorTransform(w, {20000, 256, 256, 256, 0, 0, 0, 0}); }),
                 WriteError);
}

TEST(Records, ColoursAreRgbBeforeDefineShape3)
{
    const FillStyle red{FillKind::Solid, {255, 0, 0, 255}, {}, {}, 0};
    EXPECT_EQ(written([&](BitWriter &w) { writeFillStyle(w, red, 1); }), hex("00 ff 00 00"));
    EXPECT_EQ(written([&](BitWriter &w) { writeFillStyle(w, red, 3); }), hex("00 ff 00 00 ff"));
    const FillStyle translucent{FillKind::Solid, {255, 0, 0, 128}, {}, {}, 0};
    EXPECT_THROW(written([&](BitWriter &w) { writeFillStyle(w, translucent, 2); }), WriteError);
}

TEST(TagWriterTest, ShortHeaderBelow63BytesLongFromThere)
{
    const struct
    {
        TagCode code;
        std::size_t length;
        const char *header;
    } cases[] = {
        {tag::ShowFrame, 0, "40 00"},
        {tag::End, 0, "00 00"},
        {tag::SetBackgroundColor, 3, "43 02"},
        {tag::DoAction, 62, "3e 03"},
        {tag::DoAction, 63, "3f 03 3f 00 00 00"},
        {tag::DoAction, 70000, "3f 03 70 11 01 00"},
        // Bitmap definitions always take the long form.
        {tag::DefineBitsLossless2, 10, "3f 09 0a 00 00 00"},
        {tag::DefineBitsJpeg2, 6, "7f 05 06 00 00 00"},
        {tag::DefineBitsJpeg3, 6, "ff 08 06 00 00 00"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(static_cast<int>(c.code));
        SCOPED_TRACE(c.length);
        const Bytes body(c.length, 0xAA);
        TagWriter tags;
        tags.write(c.code, body);
        const Bytes header = hex(c.header);
        ASSERT_EQ(tags.size(), header.size() + c.length);
        EXPECT_EQ(Bytes(tags.bytes().begin(), tags.bytes().begin() + long(header.size())), header);
        EXPECT_EQ(Bytes(tags.bytes().begin() + long(header.size()), tags.bytes().end()), body);
    }
}

} // namespace
