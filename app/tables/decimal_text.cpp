#include "app/tables/decimal_text.h"

#include <limits>

namespace velumo {

std::optional<int> parseDecimalInt(QStringView text)
{
    const bool negative = text.startsWith(u'-');
    const QStringView digits = negative ? text.mid(1) : text;
    if (digits.isEmpty())
        return std::nullopt;

    // One more than INT_MAX is allowed in magnitude so that INT_MIN itself reads.
    const long long limit = static_cast<long long>(std::numeric_limits<int>::max()) + (negative ? 1 : 0);
    long long magnitude = 0;
    for (const QChar ch : digits) {
        if (ch < u'0' || ch > u'9')
            return std::nullopt;
        magnitude = magnitude * 10 + (ch.unicode() - u'0');
        if (magnitude > limit)
            return std::nullopt;
    }
    return static_cast<int>(negative ? -magnitude : magnitude);
}

} // namespace velumo
