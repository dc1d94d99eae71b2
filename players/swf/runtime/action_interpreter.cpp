#include "players/swf/runtime/action_interpreter.h"

#include "players/swf/runtime/action_host.h"
#include "players/swf/runtime/instance.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>
#include <vector>

namespace velumo::swf {

namespace {

// The record being decoded: its code and payload inside the block.
struct Record
{
    std::uint8_t code = 0;
    std::size_t payload = 0; // offset of the payload in the block
    std::size_t length = 0;  // payload length
    std::size_t next = 0;    // offset of the following record
};

class Payload
{
public:
    Payload(const std::vector<std::uint8_t> &bytes, std::size_t begin, std::size_t length)
        : m_bytes(bytes)
        , m_pos(begin)
        , m_end(begin + length)
    {
    }

    bool atEnd() const { return m_pos >= m_end; }
    bool has(std::size_t n) const { return m_end - m_pos >= n; }

    bool u8(std::uint8_t &out)
    {
        if (!has(1))
            return false;
        out = m_bytes[m_pos++];
        return true;
    }
    bool u16(std::uint16_t &out)
    {
        if (!has(2))
            return false;
        out = std::uint16_t(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
        m_pos += 2;
        return true;
    }
    bool u32(std::uint32_t &out)
    {
        if (!has(4))
            return false;
        out = std::uint32_t(m_bytes[m_pos]) | std::uint32_t(m_bytes[m_pos + 1]) << 8
              | std::uint32_t(m_bytes[m_pos + 2]) << 16 | std::uint32_t(m_bytes[m_pos + 3]) << 24;
        m_pos += 4;
        return true;
    }
    bool string(std::string &out)
    {
        const auto begin = m_bytes.begin() + std::ptrdiff_t(m_pos);
        const auto end = m_bytes.begin() + std::ptrdiff_t(m_end);
        const auto nul = std::find(begin, end, std::uint8_t(0));
        if (nul == end)
            return false;
        out.assign(begin, nul);
        m_pos += std::size_t(nul - begin) + 1;
        return true;
    }

private:
    const std::vector<std::uint8_t> &m_bytes;
    std::size_t m_pos;
    std::size_t m_end;
};

bool decode(const std::vector<std::uint8_t> &bytes, std::size_t at, Record &record)
{
    if (at >= bytes.size())
        return false;
    record.code = bytes[at];
    if (record.code < 0x80) {
        record.payload = at + 1;
        record.length = 0;
    } else {
        if (bytes.size() - at < 3)
            return false;
        record.length = std::size_t(bytes[at + 1] | (bytes[at + 2] << 8));
        record.payload = at + 3;
        if (bytes.size() - record.payload < record.length)
            return false;
    }
    record.next = record.payload + record.length;
    return true;
}

bool startsWithNoCase(const std::string &text, std::string_view prefix)
{
    if (text.size() < prefix.size())
        return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != std::tolower(static_cast<unsigned char>(prefix[i])))
            return false;
    }
    return true;
}

// Splits "target:var" / "a.b.var" / "/a/b:var" into the clip path and the variable name.
std::pair<std::string, std::string> splitVariablePath(const std::string &path)
{
    if (const auto colon = path.rfind(':'); colon != std::string::npos)
        return {path.substr(0, colon), path.substr(colon + 1)};
    if (const auto dot = path.rfind('.'); dot != std::string::npos && dot > 0)
        return {path.substr(0, dot), path.substr(dot + 1)};
    if (const auto slash = path.rfind('/'); slash != std::string::npos)
        return {slash == 0 ? std::string("/") : path.substr(0, slash), path.substr(slash + 1)};
    return {std::string(), path};
}

bool isClipKeyword(const std::string &name)
{
    return name == "_root" || name == "this" || name == "_parent" || startsWithNoCase(name, "_level");
}

} // namespace

ActionInterpreter::ActionInterpreter(ActionHost &host, Limits limits)
    : m_host(host)
    , m_limits(limits)
{
}

Value ActionInterpreter::getVariable(Instance &scope, const std::string &path)
{
    const auto [target, name] = splitVariablePath(path);
    Instance *clip = target.empty() ? &scope : m_host.resolveTarget(scope, target);
    if (clip == nullptr)
        return Value::undefined();
    if (const auto found = clip->variables.find(name); found != clip->variables.end())
        return found->second;
    // A bare clip name or keyword names the clip itself.
    if (target.empty() && (isClipKeyword(name) || clip->childNamed(name, m_host.swfVersion() >= 7) != nullptr)) {
        if (Instance *named = m_host.resolveTarget(scope, name))
            return Value::clip(named->targetPath());
    }
    if (!target.empty() && name.empty())
        return Value::clip(clip->targetPath());
    if (!target.empty()) {
        if (Instance *child = clip->childNamed(name, m_host.swfVersion() >= 7))
            return Value::clip(child->targetPath());
    }
    return Value::undefined();
}

void ActionInterpreter::setVariable(Instance &scope, const std::string &path, const Value &value)
{
    const auto [target, name] = splitVariablePath(path);
    Instance *clip = target.empty() ? &scope : m_host.resolveTarget(scope, target);
    if (clip == nullptr || name.empty()) {
        m_host.warn("setVariable: no clip for " + path);
        return;
    }
    clip->variables[name] = value;
}

void ActionInterpreter::run(Instance &clip, const ActionBlock &block)
{
    const std::vector<std::uint8_t> &bytes = block.bytes;
    const int version = m_host.swfVersion();
    std::vector<Value> stack;
    std::vector<std::string> constants;
    Instance *original = &clip;
    std::string targetPath = clip.targetPath();
    int loads = 0;

    // The current target is looked up again for every action: an earlier action may have
    // removed it.
    auto target = [&]() -> Instance * {
        Instance *t = m_host.resolveTarget(*original, targetPath);
        return t;
    };
    auto pop = [&]() -> Value {
        if (stack.empty())
            return Value::undefined();
        Value v = std::move(stack.back());
        stack.pop_back();
        return v;
    };
    auto push = [&](Value v) -> bool {
        if (stack.size() >= m_limits.maxStack) {
            m_host.warn("action stack limit reached");
            return false;
        }
        m_textBytes += v.textSize();
        if (m_textBytes > m_limits.maxTextBytes) {
            m_host.warn("actions made too much text: block ended");
            return false;
        }
        stack.push_back(std::move(v));
        return true;
    };
    auto capped = [&](std::string s) {
        if (s.size() > m_limits.maxString)
            s.resize(m_limits.maxString);
        return s;
    };

    std::size_t at = 0;
    for (std::size_t executed = 0; executed < m_limits.maxActions; ++executed) {
        Record record;
        if (!decode(bytes, at, record)) {
            if (at < bytes.size())
                m_host.warn("action record runs past its block");
            return;
        }
        Payload payload(bytes, record.payload, record.length);
        Instance *current = target();
        switch (record.code) {
        case 0x00: // End
            return;
        case 0x04: // NextFrame
            if (current)
                m_host.gotoFrame(*current, current->currentFrame + 1);
            break;
        case 0x05: // PreviousFrame
            if (current)
                m_host.gotoFrame(*current, current->currentFrame - 1);
            break;
        case 0x06: // Play
            if (current)
                current->playing = true;
            break;
        case 0x07: // Stop
            if (current)
                current->playing = false;
            break;
        case 0x0A: // Add
        case 0x0B: // Subtract
        case 0x0C: // Multiply
        case 0x0D: // Divide
        {
            const double b = pop().toNumber();
            const double a = pop().toNumber();
            double r = 0;
            switch (record.code) {
            case 0x0A: r = a + b; break;
            case 0x0B: r = a - b; break;
            case 0x0C: r = a * b; break;
            default: r = a / b; break;
            }
            if (!push(Value::number(r)))
                return;
            break;
        }
        case 0x12: // Not
            if (!push(Value::boolean(!pop().toBoolean())))
                return;
            break;
        case 0x17: // Pop
            pop();
            break;
        case 0x1C: // GetVariable
        {
            const std::string name = pop().toString(version);
            if (!push(current ? getVariable(*current, name) : Value::undefined()))
                return;
            break;
        }
        case 0x1D: // SetVariable
        case 0x3C: // DefineLocal: at timeline level it is a plain variable
        {
            const Value value = pop();
            const std::string name = pop().toString(version);
            if (current)
                setVariable(*current, name, value);
            break;
        }
        case 0x20: // SetTarget2
        {
            const Value t = pop();
            const std::string path = t.toString(version);
            targetPath = path.empty() ? original->targetPath() : (t.isClip() ? t.clipPath() : path);
            if (target() == nullptr)
                m_host.warn("setTarget: no clip " + path);
            break;
        }
        case 0x21: // StringAdd
        {
            const std::string b = pop().toString(version);
            const std::string a = pop().toString(version);
            if (!push(Value::string(capped(a + b))))
                return;
            break;
        }
        case 0x47: // Add2: concatenates when either side is a string
        {
            const Value b = pop();
            const Value a = pop();
            Value result = (a.isString() || b.isString())
                               ? Value::string(capped(a.toString(version) + b.toString(version)))
                               : Value::number(a.toNumber() + b.toNumber());
            if (!push(std::move(result)))
                return;
            break;
        }
        case 0x4C: // PushDuplicate
        {
            const Value top = stack.empty() ? Value::undefined() : stack.back();
            if (!push(top))
                return;
            break;
        }
        case 0x4E: // GetMember
        {
            const std::string member = pop().toString(version);
            const Value object = pop();
            Value result;
            if (object.isClip())
                if (Instance *clipObject = m_host.resolveTarget(*original, object.clipPath()))
                    result = getVariable(*clipObject, member);
            if (!push(std::move(result)))
                return;
            break;
        }
        case 0x4F: // SetMember
        {
            const Value value = pop();
            const std::string member = pop().toString(version);
            const Value object = pop();
            if (object.isClip())
                if (Instance *clipObject = m_host.resolveTarget(*original, object.clipPath()))
                    clipObject->variables[member] = value;
            break;
        }
        case 0x81: // GotoFrame
        {
            std::uint16_t frame = 0;
            if (payload.u16(frame) && current)
                m_host.gotoFrame(*current, frame);
            break;
        }
        case 0x83: // GetURL
        {
            std::string url;
            std::string window;
            if (!payload.string(url) || !payload.string(window)) {
                m_host.warn("getURL: malformed");
                break;
            }
            if (startsWithNoCase(url, "FSCommand:")) {
                m_host.fsCommand(url.substr(10), window);
            } else if (startsWithNoCase(window, "_level") && !url.empty()) {
                if (++loads > m_limits.maxLoads) {
                    m_host.warn("too many loads in one block");
                    break;
                }
                if (current)
                    m_host.loadMovie(*current, url, window);
            } else {
                m_host.warn("getURL ignored: " + url);
            }
            break;
        }
        case 0x88: // ConstantPool
        {
            std::uint16_t count = 0;
            constants.clear();
            if (!payload.u16(count))
                break;
            for (std::uint16_t i = 0; i < count; ++i) {
                std::string s;
                if (!payload.string(s))
                    break;
                constants.push_back(std::move(s));
            }
            break;
        }
        case 0x8B: // SetTarget
        {
            std::string path;
            payload.string(path);
            targetPath = path.empty() ? original->targetPath() : path;
            if (target() == nullptr)
                m_host.warn("setTarget: no clip " + path);
            break;
        }
        case 0x8C: // GotoLabel
        {
            std::string label;
            if (payload.string(label) && current && !m_host.gotoLabel(*current, label))
                m_host.warn("gotoLabel: no label " + label);
            break;
        }
        case 0x96: // Push
            while (!payload.atEnd()) {
                std::uint8_t type = 0;
                payload.u8(type);
                Value v;
                bool ok = true;
                switch (type) {
                case 0: {
                    std::string s;
                    ok = payload.string(s);
                    v = Value::string(capped(std::move(s)));
                    break;
                }
                case 1: {
                    std::uint32_t bits = 0;
                    ok = payload.u32(bits);
                    v = Value::number(double(std::bit_cast<float>(bits)));
                    break;
                }
                case 2: v = Value::null(); break;
                case 3: v = Value::undefined(); break;
                case 4: {
                    std::uint8_t reg = 0;
                    ok = payload.u8(reg); // registers are not kept: undefined
                    break;
                }
                case 5: {
                    std::uint8_t b = 0;
                    ok = payload.u8(b);
                    v = Value::boolean(b != 0);
                    break;
                }
                case 6: {
                    // The two 32-bit halves are stored high word first.
                    std::uint32_t high = 0;
                    std::uint32_t low = 0;
                    ok = payload.u32(high) && payload.u32(low);
                    v = Value::number(std::bit_cast<double>((std::uint64_t(high) << 32) | low));
                    break;
                }
                case 7: {
                    std::uint32_t bits = 0;
                    ok = payload.u32(bits);
                    v = Value::number(double(std::int32_t(bits)));
                    break;
                }
                case 8:
                case 9: {
                    std::uint16_t index = 0;
                    if (type == 8) {
                        std::uint8_t i8 = 0;
                        ok = payload.u8(i8);
                        index = i8;
                    } else {
                        ok = payload.u16(index);
                    }
                    if (index < constants.size())
                        v = Value::string(constants[index]);
                    break;
                }
                default:
                    m_host.warn("push: unknown value type");
                    ok = false;
                    break;
                }
                if (!ok)
                    break;
                if (!push(std::move(v)))
                    return;
            }
            break;
        case 0x99: // Jump
        case 0x9D: // If
        {
            std::uint16_t raw = 0;
            if (!payload.u16(raw))
                break;
            const bool take = record.code == 0x99 || pop().toBoolean();
            if (take) {
                const long destination = long(record.next) + std::int16_t(raw);
                if (destination < 0 || std::size_t(destination) > bytes.size()) {
                    m_host.warn("jump out of the block");
                    return;
                }
                at = std::size_t(destination);
                continue;
            }
            break;
        }
        case 0x9A: // GetURL2
        {
            std::uint8_t flags = 0;
            payload.u8(flags);
            const std::string window = pop().toString(version);
            const std::string url = pop().toString(version);
            const bool loadVariables = (flags & 0x80) != 0;
            const bool loadTarget = (flags & 0x40) != 0;
            if (loadVariables) {
                m_host.warn("loadVariables is not supported");
            } else if (startsWithNoCase(url, "FSCommand:")) {
                m_host.fsCommand(url.substr(10), window);
            } else if (loadTarget || startsWithNoCase(window, "_level")) {
                if (++loads > m_limits.maxLoads) {
                    m_host.warn("too many loads in one block");
                    break;
                }
                if (current && !url.empty())
                    m_host.loadMovie(*current, url, window);
            } else {
                m_host.warn("getURL2 ignored: " + url);
            }
            break;
        }
        case 0x9F: // GotoFrame2
        {
            std::uint8_t flags = 0;
            payload.u8(flags);
            const Value frame = pop();
            if (current) {
                const double n = frame.toNumber();
                // Scripts count frames from 1 here; any number, however large, is a frame past the end.
                if (!std::isnan(n))
                    m_host.gotoFrame(*current, int(std::clamp(n, -1.0, 1.0e6)) - 1);
                else
                    m_host.gotoLabel(*current, frame.toString(version));
                current->playing = (flags & 1) != 0;
            }
            break;
        }
        default:
            m_host.warn("unknown action " + std::to_string(record.code) + ": block ended");
            return;
        }
        at = record.next;
    }
    m_host.warn("action budget used up: block ended");
}

} // namespace velumo::swf
