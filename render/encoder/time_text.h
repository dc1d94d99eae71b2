#pragma once

#include <QString>

namespace velumo {

// "hh:mm:ss" for a time in seconds (negative times count as 0).
QString conversionTimeText(double seconds);

} // namespace velumo
