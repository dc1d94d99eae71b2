#pragma once

#include "app/tables/hidden_value.h"
#include "app/tables/string_table.h"

#include <vector>

namespace velumo {

// The text effect window Form3: the editor's working table of captions. Form1 keeps a full
// copy of it, replaced each time the editor closes.
struct Form3State
{
    Form3State();

    StringTable ListView_Label;

    std::vector<StringTable *> tables();
    std::vector<HiddenValue *> values() { return {}; }
};

} // namespace velumo
