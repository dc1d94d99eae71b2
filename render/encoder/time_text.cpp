#include "render/encoder/time_text.h"

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QString conversionTimeText(double seconds)
{
    const qint64 whole = seconds > 0 ? qint64(std::floor(seconds)) : 0;
    const QChar zero(u'0');
    return u"%1:%2:%3"_s.arg(whole / 3600, 2, 10, zero).arg(whole / 60 % 60, 2, 10, zero).arg(whole % 60, 2, 10, zero);
}

} // namespace velumo
