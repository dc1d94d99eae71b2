#pragma once

#include "app/tables/hidden_value.h"
#include "app/tables/string_table.h"

#include <vector>

namespace velumo {

// The duration window Form2. Its hidden radio buttons and check boxes carry the duration
// mode from the output commands to the renderer; they are plain flags, not hidden values.
struct Form2State
{
    bool RadioButton1 = true;  // photo length
    bool RadioButton2 = false; // music length
    bool CheckBox1 = false;    // loop music
    bool CheckBox2 = false;    // loop pictures

    void reset() { *this = Form2State(); }
};

// The other-settings window Form17: how photos meet slots without a fixed size. Radio
// buttons, so each pair holds exactly one true flag.
struct Form17State
{
    bool suiRadioButton_hengzhaopian_quanping = true; // landscape: fill the screen
    bool suiRadioButton_hengzhaopian_moren = false;   // landscape: the template's default
    bool suiRadioButton_shuzhaopian_jubufangda = true; // portrait: enlarge
    bool suiRadioButton_shuzhaopian_moren = false;     // portrait: the template's default

    void reset() { *this = Form17State(); }
};

// The output size window Form39: the chosen output size, set by the output commands, and
// whether the user closed the window instead of starting.
struct Form39State
{
    Form39State();

    HiddenValue Edit_chicun_width;
    HiddenValue Edit_chicun_height;
    HiddenValue Edit_quxiao; // "quxiao" after the close mark, empty otherwise

    std::vector<StringTable *> tables() { return {}; }
    std::vector<HiddenValue *> values();
};

// The lyric type dialog Form49.
struct Form49State
{
    Form49State();

    HiddenValue Edit1_shiyong_lrc_or_ksc; // "shiyong_lrc", "shiyong_ksc" or "shiyong_lrcksc"

    std::vector<StringTable *> tables() { return {}; }
    std::vector<HiddenValue *> values();
};

// The delete confirmations Form12 (songs) and Form13 (lyrics): which delete "确定删除" performs,
// "dan_ge_shang_chu" (one) or "quan_bu_shang_chu" (all).
struct DeleteConfirmState
{
    DeleteConfirmState();

    HiddenValue Edit_delete_leixing;

    std::vector<StringTable *> tables() { return {}; }
    std::vector<HiddenValue *> values();
};

// The binding confirmation Form14: the action "确定" performs, "quanbujiebang",
// "zidongbangding", "dangejiechubangding_yinyue" or "dangejiechubangding_geci".
struct Form14State
{
    Form14State();

    HiddenValue Edit_bangding_or_jiebang;

    std::vector<StringTable *> tables() { return {}; }
    std::vector<HiddenValue *> values();
};

// The binding picker Form15: "yinyue_bangding" (a song picks a lyric) or "geci_bangding".
struct Form15State
{
    Form15State();

    HiddenValue Edit_bangding_leixing;

    std::vector<StringTable *> tables() { return {}; }
    std::vector<HiddenValue *> values();
};

} // namespace velumo
