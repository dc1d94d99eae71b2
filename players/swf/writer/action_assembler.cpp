#include "players/swf/writer/action_assembler.h"

#include <bit>
#include <type_traits>

namespace velumo::swf::writer {

namespace {

enum Op : std::uint8_t {
    End = 0x00,
    Play = 0x06,
    Stop = 0x07,
    Pop = 0x17,
    GetVariable = 0x1C,
    SetVariable = 0x1D,
    StringAdd = 0x21,
    GotoFrame = 0x81,
    GetUrl = 0x83,
    ConstantPool = 0x88,
    SetTarget = 0x8B,
    GotoLabel = 0x8C,
    Push = 0x96,
    GetUrl2 = 0x9A,
};

} // namespace

void ActionAssembler::checkOpen() const
{
    if (m_ended)
        throw WriteError("action block already ended");
}

void ActionAssembler::op(std::uint8_t code)
{
    checkOpen();
    m_bytes.push_back(code);
}

void ActionAssembler::op(std::uint8_t code, std::span<const std::uint8_t> payload)
{
    checkOpen();
    if (payload.size() > 0xFFFF)
        throw WriteError("action payload longer than 65535 bytes");
    BitWriter out;
    out.u8(code);
    out.u16(static_cast<std::uint16_t>(payload.size()));
    out.append(payload);
    const Bytes record = out.take();
    m_bytes.insert(m_bytes.end(), record.begin(), record.end());
}

ActionAssembler &ActionAssembler::push(std::initializer_list<PushValue> values)
{
    BitWriter payload;
    for (const PushValue &value : values) {
        std::visit(
            [&](const auto &v) {
                using T = std::decay_t<decltype(v)>;
                if constexpr (std::is_same_v<T, std::string>) {
                    payload.u8(0);
                    payload.string(v);
                } else if constexpr (std::is_same_v<T, float>) {
                    payload.u8(1);
                    payload.f32(v);
                } else if constexpr (std::is_same_v<T, avm1::Null>) {
                    payload.u8(2);
                } else if constexpr (std::is_same_v<T, avm1::Undefined>) {
                    payload.u8(3);
                } else if constexpr (std::is_same_v<T, bool>) {
                    payload.u8(5);
                    payload.u8(v ? 1 : 0);
                } else if constexpr (std::is_same_v<T, double>) {
                    // The high 32-bit word first, each word little-endian.
                    const auto bits = std::bit_cast<std::uint64_t>(v);
                    payload.u8(6);
                    payload.u32(static_cast<std::uint32_t>(bits >> 32));
                    payload.u32(static_cast<std::uint32_t>(bits));
                } else if constexpr (std::is_same_v<T, std::int32_t>) {
                    payload.u8(7);
                    payload.i32(v);
                } else if constexpr (std::is_same_v<T, avm1::Constant>) {
                    if (!m_poolSize)
                        throw WriteError("push of a constant without a constant pool");
                    if (v.index >= *m_poolSize)
                        throw WriteError("constant " + std::to_string(v.index) + " past the constant pool");
                    if (v.index < 256) {
                        payload.u8(8);
                        payload.u8(static_cast<std::uint8_t>(v.index));
                    } else {
                        payload.u8(9);
                        payload.u16(v.index);
                    }
                }
            },
            value);
    }
    op(Push, payload.take());
    return *this;
}

ActionAssembler &ActionAssembler::constantPool(const std::vector<std::string> &constants)
{
    if (constants.size() > 0xFFFF)
        throw WriteError("constant pool holds at most 65535 strings");
    BitWriter payload;
    payload.u16(static_cast<std::uint16_t>(constants.size()));
    for (const std::string &s : constants)
        payload.string(s);
    op(ConstantPool, payload.take());
    m_poolSize = constants.size();
    return *this;
}

ActionAssembler &ActionAssembler::getVariable()
{
    op(GetVariable);
    return *this;
}

ActionAssembler &ActionAssembler::setVariable()
{
    op(SetVariable);
    return *this;
}

ActionAssembler &ActionAssembler::stringAdd()
{
    op(StringAdd);
    return *this;
}

ActionAssembler &ActionAssembler::pop()
{
    op(Pop);
    return *this;
}

ActionAssembler &ActionAssembler::getUrl(std::string_view url, std::string_view target)
{
    BitWriter payload;
    payload.string(url);
    payload.string(target);
    op(GetUrl, payload.take());
    return *this;
}

ActionAssembler &ActionAssembler::getUrl2(std::uint8_t flags)
{
    const std::uint8_t payload[] = {flags};
    op(GetUrl2, payload);
    return *this;
}

ActionAssembler &ActionAssembler::gotoFrame(std::uint16_t frame)
{
    BitWriter payload;
    payload.u16(frame);
    op(GotoFrame, payload.take());
    return *this;
}

ActionAssembler &ActionAssembler::gotoLabel(std::string_view label)
{
    BitWriter payload;
    payload.string(label);
    op(GotoLabel, payload.take());
    return *this;
}

ActionAssembler &ActionAssembler::setTarget(std::string_view target)
{
    BitWriter payload;
    payload.string(target);
    op(SetTarget, payload.take());
    return *this;
}

ActionAssembler &ActionAssembler::play()
{
    op(Play);
    return *this;
}

ActionAssembler &ActionAssembler::stop()
{
    op(Stop);
    return *this;
}

ActionAssembler &ActionAssembler::end()
{
    op(End);
    m_ended = true;
    return *this;
}

ActionAssembler &ActionAssembler::setVariable(std::string_view name, std::string_view value)
{
    push({std::string(name), std::string(value)});
    return setVariable();
}

ActionAssembler &ActionAssembler::fscommand(std::string_view command, std::string_view args)
{
    return getUrl("FSCommand:" + std::string(command), args);
}

ActionAssembler &ActionAssembler::loadMovie(std::string_view url, std::string_view target)
{
    push({std::string(url), std::string(target)});
    return getUrl2(getUrl2Flags::loadTarget);
}

Bytes ActionAssembler::bytes() const
{
    Bytes out = m_bytes;
    if (!m_ended)
        out.push_back(End);
    return out;
}

} // namespace velumo::swf::writer
