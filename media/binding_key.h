#pragma once

#include <QString>

namespace velumo {

// A new binding key: the date and time of this moment followed by `number` (the 1-based row
// of a pair bound by position, or 1 for a manual binding). Keys are only compared for equality.
// The moment's text carries a serial number of the run, so two bindings within the same
// millisecond never share a key by accident.
QString makeBindingKey(int number);

} // namespace velumo
