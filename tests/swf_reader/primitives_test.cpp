// Byte and bit readers and the records built on them.
#include "players/swf/reader/bit_reader.h"
#include "players/swf/reader/byte_reader.h"
#include "players/swf/reader/records.h"
#include "tests/swf_reader/swf_fixture.h"

#include <gtest/gtest.h>

namespace velumo::swf {
namespace {

using namespace test;

// The message of the FormatError `f` throws, or "" when it does not throw.
template<typename F>
std::string formatErrorOf(F f)
{
    try {
        f();
    } catch (const FormatError &error) {
        return error.what();
    }
    return {};
}

TEST(ByteReader, LittleEndianFieldsAndStrings)
{
    const Bytes bytes{0x34, 0x12, 0x78, 0x56, 0x34, 0x12, 0xFE, 0xFF, 'a', 'b', 0, 7};
    ByteReader in(bytes);
    EXPECT_EQ(in.u16(), 0x1234);
    EXPECT_EQ(in.u32(), 0x12345678u);
    EXPECT_EQ(in.s16(), -2);
    EXPECT_EQ(in.string(), "ab");
    EXPECT_EQ(in.u8(), 7);
    EXPECT_TRUE(in.atEnd());
}

TEST(ByteReader, ReadsPastTheEndFailWithTheAbsoluteOffset)
{
    const Bytes bytes{1, 2, 3};
    ByteReader in(bytes, 100);
    in.u16();
    EXPECT_NE(formatErrorOf([&] { in.u16(); }).find("(byte 102)"), std::string::npos);
    EXPECT_NE(formatErrorOf([&] { in.take(2); }), "");
    EXPECT_EQ(in.u8(), 3); // failed reads consume nothing

    const Bytes unterminated{'a', 'b'};
    ByteReader noNul(unterminated); // the reader only views its bytes: they must outlive it
    EXPECT_NE(formatErrorOf([&] { noNul.string(); }).find("NUL"), std::string::npos);
}

TEST(ByteReader, SubReaderEndsWhereItsPartEnds)
{
    const Bytes bytes{1, 2, 3, 4, 5};
    ByteReader in(bytes, 10);
    in.u8();
    ByteReader part = in.sub(2);
    EXPECT_EQ(part.offset(), 11u);
    EXPECT_EQ(in.u8(), 4);
    EXPECT_EQ(part.u8(), 2);
    EXPECT_NE(formatErrorOf([&] { part.u16(); }), ""); // byte 4 belongs to the parent
    EXPECT_THROW(in.sub(2), FormatError);
}

TEST(BitReader, FieldsAreMostSignificantBitFirst)
{
    const Bytes bytes{0xA5, 0xA5, 0xFF, 0xFF, 0xFF, 0xFF, 0x00, 0x01, 0x00, 0x00};
    ByteReader in(bytes);
    BitReader bits(in);
    EXPECT_EQ(bits.ub(1), 1u); // 1010 0101
    EXPECT_EQ(bits.ub(2), 1u);
    EXPECT_EQ(bits.ub(0), 0u);
    EXPECT_EQ(bits.sb(0), 0);
    EXPECT_EQ(bits.ub(3), 1u);
    EXPECT_EQ(bits.ub(2), 1u);
    EXPECT_EQ(bits.sb(4), -6); // 1010
    EXPECT_EQ(bits.sb(4), 5);  // 0101
    EXPECT_EQ(bits.sb(32), -1);
    EXPECT_DOUBLE_EQ(bits.fb(32), 1.0); // 0x00010000
    EXPECT_TRUE(in.atEnd());
}

TEST(BitReader, FieldsSpanBytesAndAlignDropsTheRest)
{
    const Bytes bytes{0x0F, 0xF0, 0x80};
    ByteReader in(bytes);
    BitReader bits(in);
    EXPECT_EQ(bits.ub(4), 0u);
    EXPECT_EQ(bits.ub(8), 0xFFu);
    EXPECT_EQ(bits.sb(3), 0);
    bits.align();
    EXPECT_EQ(bits.ub(1), 1u); // from the third byte
}

TEST(BitReader, OverrunAndOversizedFieldsFail)
{
    const Bytes one{0xFF};
    ByteReader in(one, 40);
    BitReader bits(in);
    EXPECT_EQ(bits.ub(7), 0x7Fu);
    EXPECT_NE(formatErrorOf([&] { bits.ub(2); }).find("(byte 41)"), std::string::npos);
    ByteReader in2(one);
    BitReader wide(in2);
    EXPECT_NE(formatErrorOf([&] { wide.ub(33); }), "");
}

TEST(Records, RectUsesTheOrderXMinXMaxYMinYMax)
{
    const Bytes bytes{0x68, 0x00, 0x1f, 0x40, 0x00, 0x03, 0xe8, 0x00, 0xAB}; // 5 + 4·13 bits
    ByteReader in(bytes);
    EXPECT_EQ(readRect(in), (Rect{0, 4000, 0, 2000}));
    EXPECT_EQ(in.u8(), 0xAB); // ends on a byte boundary
}

TEST(Records, MatrixFields)
{
    // Scale 0.5 (17 bits), translate (2000, 1000) twips, as in the half-size placement.
    const Bytes bytes{0xc5, 0x00, 0x00, 0x80, 0x00, 0x31, 0xf4, 0x0f, 0xa0};
    ByteReader in(bytes);
    EXPECT_EQ(readMatrix(in), (Matrix{0.5, 0, 0, 0.5, 2000, 1000}));
    EXPECT_TRUE(in.atEnd());

    BitWriter w; // rotation only: the scale stays 1, not 0
    w.ub(1, 0);
    w.ub(1, 1);
    w.ub(5, 18);
    w.sb(18, 65536);  // RotateSkew0
    w.sb(18, -65536); // RotateSkew1
    w.ub(5, 0);
    const Bytes rotation = w.take();
    ByteReader in2(rotation);
    EXPECT_EQ(readMatrix(in2), (Matrix{1, 1, -1, 1, 0, 0}));
}

TEST(Records, ColourTransformFlagsComeAddFirstAndTermsMultiplyFirst)
{
    struct Case
    {
        const char *name;
        bool add, mul, alpha;
        std::vector<std::int32_t> terms;
        ColorTransform expected;
    };
    const Case cases[] = {
        {"add only, with alpha", true, false, true, {10, -10, 0, 255}, {256, 256, 256, 256, 10, -10, 0, 255}},
        {"multiply only, with alpha", false, true, true, {0, 128, 256, 64}, {0, 128, 256, 64, 0, 0, 0, 0}},
        {"both, with alpha", true, true, true, {1, 2, 3, 4, 5, 6, 7, 8}, {1, 2, 3, 4, 5, 6, 7, 8}},
        {"both, without alpha", true, true, false, {1, 2, 3, 5, 6, 7}, {1, 2, 3, 256, 5, 6, 7, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        BitWriter w;
        w.ub(1, c.add);
        w.ub(1, c.mul);
        w.ub(4, 10);
        for (std::int32_t t : c.terms)
            w.sb(10, t);
        const Bytes bytes = w.take();
        ByteReader in(bytes);
        EXPECT_EQ(readColorTransform(in, c.alpha), c.expected);
        EXPECT_TRUE(in.atEnd());
    }
}

} // namespace
} // namespace velumo::swf
