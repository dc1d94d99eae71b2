#include "players/swf/runtime/avm1_value.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace velumo::swf {

namespace {

std::string numberText(double d)
{
    if (std::isnan(d))
        return "NaN";
    if (std::isinf(d))
        return d > 0 ? "Infinity" : "-Infinity";
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.15g", d);
    return buffer;
}

} // namespace

std::string Value::toString(int swfVersion) const
{
    struct Visitor
    {
        int version;
        std::string operator()(Undefined) const { return version >= 7 ? "undefined" : ""; }
        std::string operator()(Null) const { return "null"; }
        std::string operator()(bool b) const { return b ? "true" : "false"; }
        std::string operator()(double d) const { return numberText(d); }
        std::string operator()(const std::string &s) const { return s; }
        std::string operator()(const ClipRef &c) const { return c.path; }
    };
    return std::visit(Visitor{swfVersion}, m_value);
}

double Value::toNumber() const
{
    struct Visitor
    {
        double operator()(Undefined) const { return std::nan(""); }
        double operator()(Null) const { return std::nan(""); }
        double operator()(bool b) const { return b ? 1 : 0; }
        double operator()(double d) const { return d; }
        double operator()(const std::string &s) const
        {
            if (s.empty())
                return std::nan("");
            char *end = nullptr;
            const double d = std::strtod(s.c_str(), &end);
            return (end != nullptr && *end == '\0') ? d : std::nan("");
        }
        double operator()(const ClipRef &) const { return std::nan(""); }
    };
    return std::visit(Visitor{}, m_value);
}

bool Value::toBoolean() const
{
    struct Visitor
    {
        bool operator()(Undefined) const { return false; }
        bool operator()(Null) const { return false; }
        bool operator()(bool b) const { return b; }
        bool operator()(double d) const { return d != 0 && !std::isnan(d); }
        bool operator()(const std::string &s) const
        {
            const double d = Value::string(s).toNumber();
            return d != 0 && !std::isnan(d);
        }
        bool operator()(const ClipRef &) const { return true; }
    };
    return std::visit(Visitor{}, m_value);
}

} // namespace velumo::swf
