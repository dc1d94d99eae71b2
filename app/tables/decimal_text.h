#pragma once

#include <QStringView>

#include <optional>

namespace velumo {

// Reads the decimal text that tables and values store for sizes, counts and indices.
// Accepted: an optional leading '-' followed by ASCII digits, within the range of int.
// Anything else (empty text, blanks, '+', other scripts' digits, overflow) gives no number,
// so a stray token such as "wu" is never taken for 0.
std::optional<int> parseDecimalInt(QStringView text);

} // namespace velumo
