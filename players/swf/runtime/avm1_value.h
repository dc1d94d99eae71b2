#pragma once

#include <string>
#include <variant>

namespace velumo::swf {

// A value on the action stack or in a variable.
class Value
{
public:
    struct Undefined
    {
        friend bool operator==(Undefined, Undefined) { return true; }
    };
    struct Null
    {
        friend bool operator==(Null, Null) { return true; }
    };
    // A movie clip, held by its target path so that a clip removed meanwhile is simply not found.
    struct ClipRef
    {
        std::string path;
        friend bool operator==(const ClipRef &, const ClipRef &) = default;
    };

    Value() = default;
    static Value undefined() { return Value(); }
    static Value null() { return Value(Null{}); }
    static Value boolean(bool b) { return Value(b); }
    static Value number(double d) { return Value(d); }
    static Value string(std::string s) { return Value(std::move(s)); }
    static Value clip(std::string path) { return Value(ClipRef{std::move(path)}); }

    bool isUndefined() const { return std::holds_alternative<Undefined>(m_value); }
    bool isString() const { return std::holds_alternative<std::string>(m_value); }
    // Bytes of text this value holds (strings only).
    std::size_t textSize() const { return isString() ? std::get<std::string>(m_value).size() : 0; }
    bool isClip() const { return std::holds_alternative<ClipRef>(m_value); }
    const std::string &clipPath() const { return std::get<ClipRef>(m_value).path; }

    // The text form scripts and the host see: numbers as with "%.15g", booleans "true" and
    // "false", undefined as "undefined" from version 7 on and empty before, null "null".
    std::string toString(int swfVersion) const;
    double toNumber() const;
    bool toBoolean() const;

    friend bool operator==(const Value &, const Value &) = default;

private:
    template <typename T>
    explicit Value(T v)
        : m_value(std::move(v))
    {
    }

    std::variant<Undefined, Null, bool, double, std::string, ClipRef> m_value;
};

} // namespace velumo::swf
