#pragma once

// Action records written out by hand, so the interpreter is checked against the byte layout
// itself rather than against the project's own assembler.

#include <cstdint>
#include <string>
#include <vector>

namespace velumo::test {

class ActionBytes
{
public:
    ActionBytes &op(std::uint8_t code)
    {
        m_bytes.push_back(code);
        return *this;
    }
    ActionBytes &record(std::uint8_t code, const std::vector<std::uint8_t> &payload)
    {
        m_bytes.push_back(code);
        m_bytes.push_back(std::uint8_t(payload.size() & 0xFF));
        m_bytes.push_back(std::uint8_t(payload.size() >> 8));
        m_bytes.insert(m_bytes.end(), payload.begin(), payload.end());
        return *this;
    }
    static std::vector<std::uint8_t> text(const std::string &s)
    {
        std::vector<std::uint8_t> out(s.begin(), s.end());
        out.push_back(0);
        return out;
    }
    ActionBytes &pushStrings(const std::vector<std::string> &values)
    {
        std::vector<std::uint8_t> payload;
        for (const std::string &v : values) {
            payload.push_back(0);
            const auto t = text(v);
            payload.insert(payload.end(), t.begin(), t.end());
        }
        return record(0x96, payload);
    }
    ActionBytes &setVariable(const std::string &name, const std::string &value)
    {
        return pushStrings({name, value}).op(0x1D);
    }
    ActionBytes &fscommand(const std::string &command, const std::string &args = {})
    {
        auto payload = text("FSCommand:" + command);
        const auto a = text(args);
        payload.insert(payload.end(), a.begin(), a.end());
        return record(0x83, payload);
    }
    ActionBytes &loadMovie(const std::string &url, const std::string &target)
    {
        return pushStrings({url, target}).record(0x9A, {0x40});
    }
    std::vector<std::uint8_t> end()
    {
        m_bytes.push_back(0);
        return m_bytes;
    }

private:
    std::vector<std::uint8_t> m_bytes;
};

} // namespace velumo::test
