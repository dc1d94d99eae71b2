#pragma once

// Assembles AVM1 action records for a DoAction tag. Strings are UTF-8 (SWF 6 and later).

#include "players/swf/writer/bit_writer.h"

#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velumo::swf::writer {

namespace avm1 {
struct Null
{
};
struct Undefined
{
};
// An index into the block's constant pool.
struct Constant
{
    std::uint16_t index = 0;
};
} // namespace avm1

// One Push value. A C++ float pushes a float32, a double a double, an int an int32.
using PushValue = std::variant<std::string, float, double, std::int32_t, bool, avm1::Null, avm1::Undefined,
                               avm1::Constant>;

// GetURL2 flags as the players read them: bit 7 LoadVariables, bit 6 LoadTarget, bits 0-1 method.
namespace getUrl2Flags {
constexpr std::uint8_t none = 0x00;
constexpr std::uint8_t methodGet = 0x01;
constexpr std::uint8_t methodPost = 0x02;
constexpr std::uint8_t loadTarget = 0x40;
constexpr std::uint8_t loadVariables = 0x80;
} // namespace getUrl2Flags

class ActionAssembler
{
public:
    // One Push record holding all the values, pushed in order.
    ActionAssembler &push(std::initializer_list<PushValue> values);
    ActionAssembler &push(const PushValue &value) { return push({value}); }
    // Replaces the constant pool that later Push constants index.
    ActionAssembler &constantPool(const std::vector<std::string> &constants);

    ActionAssembler &getVariable();  // pops name, pushes value
    ActionAssembler &setVariable();  // pops value, then name
    ActionAssembler &stringAdd();    // pops b, then a; pushes a + b
    ActionAssembler &pop();
    ActionAssembler &getUrl(std::string_view url, std::string_view target);
    ActionAssembler &getUrl2(std::uint8_t flags); // pops target, then url
    ActionAssembler &gotoFrame(std::uint16_t frame); // 0-based
    ActionAssembler &gotoLabel(std::string_view label);
    ActionAssembler &setTarget(std::string_view target); // "" restores the original target
    ActionAssembler &play();
    ActionAssembler &stop();
    // Closes the block with the End action; nothing can be added after it.
    ActionAssembler &end();

    // name = value, both literal strings, as a timeline-level assignment compiles.
    ActionAssembler &setVariable(std::string_view name, std::string_view value);
    // fscommand(command, args) with literals: GetURL "FSCommand:<command>" with args as target.
    ActionAssembler &fscommand(std::string_view command, std::string_view args = {});
    // loadMovie(url, target): Push url, target; GetURL2 with LoadTarget.
    ActionAssembler &loadMovie(std::string_view url, std::string_view target);

    // The records, ended by one End action (added here when end() was not called).
    Bytes bytes() const;

private:
    void op(std::uint8_t code);
    void op(std::uint8_t code, std::span<const std::uint8_t> payload);
    void checkOpen() const;

    Bytes m_bytes;
    std::optional<std::size_t> m_poolSize;
    bool m_ended = false;
};

} // namespace velumo::swf::writer
