#pragma once

#include "app/tables/hidden_value.h"
#include "app/tables/string_table.h"

#include <vector>

namespace velumo {

// The karaoke window Form46: the preview's own set of karaoke work tables, describing the
// script selected in the window. The grids start empty; they get their 100 rows when the
// window first opens.
struct Form46State
{
    Form46State();

    StringTable suiListView_KSC_2; // one row per karaoke.add line
    StringTable suiListView_KSC_3;
    StringTable suiListView_KSC_4;
    StringTable suiListView_KSC_5;
    StringTable suiListView_KSC_6;
    StringTable suiListView_KSC_7;

    std::vector<StringTable *> tables();
    std::vector<HiddenValue *> values() { return {}; }
};

} // namespace velumo
