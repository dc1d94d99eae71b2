#include "app/windows/command_set.h"

namespace velumo {

void CommandSet::set(MainCommand command, std::function<void()> action)
{
    m_item.erase(command);
    m_plain[command] = std::move(action);
}

void CommandSet::setItem(MainCommand command, std::function<void(int row)> action)
{
    m_plain.erase(command);
    m_item[command] = std::move(action);
}

bool CommandSet::has(MainCommand command) const
{
    return m_plain.contains(command) || m_item.contains(command);
}

std::function<void()> CommandSet::bound(MainCommand command, int row) const
{
    if (const auto item = m_item.find(command); item != m_item.end() && item->second)
        return [action = item->second, row] { action(row); };
    if (const auto plain = m_plain.find(command); plain != m_plain.end() && plain->second)
        return plain->second;
    return {};
}

} // namespace velumo
