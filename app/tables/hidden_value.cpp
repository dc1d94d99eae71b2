#include "app/tables/hidden_value.h"

#include "app/base/failure.h"
#include "app/tables/decimal_text.h"

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

HiddenValue::HiddenValue(const QString &name, const QString &defaultText)
    : m_name(name)
    , m_defaultText(defaultText)
    , m_text(defaultText)
{
}

HiddenValue HiddenValue::defaultingToOwnName(const QString &name)
{
    return HiddenValue(name, name);
}

int HiddenValue::number() const
{
    if (const std::optional<int> value = parseDecimalInt(m_text))
        return *value;
    throw Failure(u"隐藏值 %1 的内容“%2”不是整数"_s.arg(m_name, m_text));
}

} // namespace velumo
