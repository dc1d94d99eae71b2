#include "players/swf/writer/action_assembler.h"

#include "tests/swf_writer/swf_bytes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace velumo::swf::writer;
using swf_bytes::concat;
using swf_bytes::cstr;
using swf_bytes::hex;

namespace {

// The handshake block of a template's first frame: a marker variable, the picture loaded into
// the placeholder clip, the host told which picture it was, and the timeline stopped.
TEST(ActionAssemblerTest, HandshakeBlockMatchesTheHandVector)
{
    ActionAssembler actions;
    actions.setVariable("l_x_z_f_c", "l_x_z_f_c_s_y_w_j")
        .loadMovie("../../pic/picture_0.rar", "_root.p0")
        .fscommand("picture_0")
        .stop();
    const Bytes expected = concat({
        hex("96 1e 00"), hex("00"), cstr("l_x_z_f_c"), hex("00"), cstr("l_x_z_f_c_s_y_w_j"),
        hex("1d"),
        hex("96 23 00"), hex("00"), cstr("../../pic/picture_0.rar"), hex("00"), cstr("_root.p0"),
        hex("9a 01 00 40"),
        hex("83 15 00"), cstr("FSCommand:picture_0"), cstr(""),
        hex("07"),
        hex("00"),
    });
    EXPECT_EQ(actions.bytes(), expected);
}

TEST(ActionAssemblerTest, PushValueTypes)
{
    const struct
    {
        const char *what;
        PushValue value;
        const char *bytes;
    } cases[] = {
        {"string", std::string("a"), "96 03 00 | 00 61 00"},
        {"empty string", std::string(), "96 02 00 | 00 00"},
        {"float", 1.5f, "96 05 00 | 01 00 00 c0 3f"},
        {"null", avm1::Null{}, "96 01 00 | 02"},
        {"undefined", avm1::Undefined{}, "96 01 00 | 03"},
        {"bool", true, "96 02 00 | 05 01"},
        {"bool false", false, "96 02 00 | 05 00"},
        // Doubles go high word first, each word little-endian.
        {"double 1.0", 1.0, "96 09 00 | 06 00 00 f0 3f 00 00 00 00"},
        {"double 0.1", 0.1, "96 09 00 | 06 99 99 b9 3f 9a 99 99 99"},
        {"int32", std::int32_t(-2), "96 05 00 | 07 fe ff ff ff"},
        {"constant 8-bit index", avm1::Constant{3}, "96 02 00 | 08 03"},
        {"constant 16-bit index", avm1::Constant{300}, "96 03 00 | 09 2c 01"},
    };
    std::vector<std::string> pool(301, "c");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ActionAssembler actions;
        actions.constantPool(pool);
        const std::size_t poolBytes = actions.bytes().size() - 1;
        actions.push(c.value);
        const Bytes all = actions.bytes();
        EXPECT_EQ(Bytes(all.begin() + long(poolBytes), all.end()), concat({hex(c.bytes), hex("00")}));
    }
}

TEST(ActionAssemblerTest, Operations)
{
    const struct
    {
        const char *what;
        std::function<void(ActionAssembler &)> write;
        Bytes bytes;
    } cases[] = {
        {"play", [](ActionAssembler &a) { a.play(); }, hex("06")},
        {"stop", [](ActionAssembler &a) { a.stop(); }, hex("07")},
        {"pop", [](ActionAssembler &a) { a.pop(); }, hex("17")},
        {"getVariable", [](ActionAssembler &a) { a.getVariable(); }, hex("1c")},
        {"setVariable", [](ActionAssembler &a) { a.setVariable(); }, hex("1d")},
        {"stringAdd", [](ActionAssembler &a) { a.stringAdd(); }, hex("21")},
        {"gotoFrame is 0-based UI16", [](ActionAssembler &a) { a.gotoFrame(0x0105); }, hex("81 02 00 05 01")},
        {"gotoLabel", [](ActionAssembler &a) { a.gotoLabel("a"); }, hex("8c 02 00 61 00")},
        {"setTarget", [](ActionAssembler &a) { a.setTarget("p0"); }, hex("8b 03 00 70 30 00")},
        {"setTarget back to the original", [](ActionAssembler &a) { a.setTarget(""); }, hex("8b 01 00 00")},
        {"getUrl", [](ActionAssembler &a) { a.getUrl("u", "_level1"); },
         concat({hex("83 0a 00"), cstr("u"), cstr("_level1")})},
        {"getUrl2 with LoadTarget", [](ActionAssembler &a) { a.getUrl2(getUrl2Flags::loadTarget); },
         hex("9a 01 00 40")},
        {"fscommand with arguments", [](ActionAssembler &a) { a.fscommand("quit", "now"); },
         concat({hex("83 13 00"), cstr("FSCommand:quit"), cstr("now")})},
        {"constant pool", [](ActionAssembler &a) { a.constantPool({"a", "bc"}); },
         hex("88 07 00 02 00 61 00 62 63 00")},
        {"several values in one push", [](ActionAssembler &a) { a.push({avm1::Null{}, std::int32_t(1)}); },
         hex("96 06 00 02 07 01 00 00 00")},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ActionAssembler actions;
        c.write(actions);
        EXPECT_EQ(actions.bytes(), concat({c.bytes, hex("00")}));
    }
}

TEST(ActionAssemblerTest, DynamicFscommandThroughStringAdd)
{
    ActionAssembler actions;
    actions.push({std::string("FSCommand:"), std::string("cmd")})
        .getVariable()
        .stringAdd()
        .push(std::string(""))
        .getUrl2(getUrl2Flags::none);
    EXPECT_EQ(actions.bytes(), concat({hex("96 11 00 00"), cstr("FSCommand:"), hex("00"), cstr("cmd"), hex("1c 21"),
                                       hex("96 02 00 00 00"), hex("9a 01 00 00 00")}));
}

TEST(ActionAssemblerTest, BlockEndsWithExactlyOneEndAction)
{
    ActionAssembler open;
    EXPECT_EQ(open.bytes(), hex("00"));
    ActionAssembler closed;
    closed.stop().end();
    EXPECT_EQ(closed.bytes(), hex("07 00"));
    EXPECT_THROW(closed.play(), WriteError);
    EXPECT_EQ(closed.bytes(), hex("07 00"));
}

TEST(ActionAssemblerTest, RefusesInvalidRecordsAndLeavesTheBlockUnchanged)
{
    const struct
    {
        const char *what;
        std::function<void(ActionAssembler &)> write;
    } cases[] = {
        {"constant without a pool", [](ActionAssembler &a) { a.push(avm1::Constant{0}); }},
        {"constant past the pool",
         [](ActionAssembler &a) {
             a.constantPool({"x"});
             a.push({std::string("ok"), avm1::Constant{1}});
         }},
        {"NUL inside a string", [](ActionAssembler &a) { a.push(std::string("a\0b", 3)); }},
        {"NUL inside a URL", [](ActionAssembler &a) { a.fscommand(std::string_view("a\0b", 3)); }},
        {"push longer than 65535 bytes", [](ActionAssembler &a) { a.push(std::string(70000, 'x')); }},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        ActionAssembler actions;
        actions.stop();
        EXPECT_THROW(c.write(actions), WriteError);
        const Bytes after = actions.bytes();
        // Only what was complete before the failing call (a pool, if the case wrote one).
        EXPECT_EQ(after.front(), 0x07);
        EXPECT_EQ(after.back(), 0x00);
        EXPECT_EQ(std::count(after.begin(), after.end(), 0x96), 0) << "no partial push";
    }
}

} // namespace
