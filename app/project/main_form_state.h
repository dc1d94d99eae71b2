#pragma once

#include "app/tables/hidden_value.h"
#include "app/tables/string_table.h"

#include <vector>

namespace velumo {

// The project data owned by the import window MainForm.
struct MainFormState
{
    MainFormState();

    HiddenValue Edit_wj_1_jy_leijia;                    // unpack counter
    HiddenValue Edit_daoru_moban_kaishishiyong_kaiguan; // "kai": clear instance folders next
    HiddenValue Edit_str_mulu1;                         // folder prefix of template instances
    HiddenValue Edit_Width;                             // current fitting box
    HiddenValue Edit_height;

    std::vector<StringTable *> tables() { return {}; }
    std::vector<HiddenValue *> values();
};

} // namespace velumo
