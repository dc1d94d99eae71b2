#pragma once

#include "app/windows/main_commands.h"

#include <functional>
#include <map>

namespace velumo {

// What each main window command does, as registered by the parts that own the commands.
class CommandSet
{
public:
    void set(MainCommand command, std::function<void()> action);
    void setItem(MainCommand command, std::function<void(int row)> action);
    bool has(MainCommand command) const;

    // The registered action, bound to `row` for item commands; empty when none is registered.
    std::function<void()> bound(MainCommand command, int row) const;

private:
    std::map<MainCommand, std::function<void()>> m_plain;
    std::map<MainCommand, std::function<void(int)>> m_item;
};

} // namespace velumo
