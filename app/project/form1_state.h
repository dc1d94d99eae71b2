#pragma once

#include "app/tables/hidden_value.h"
#include "app/tables/string_table.h"

#include <vector>

namespace velumo {

// The project data owned by the main window Form1: photos, templates, music, lyrics,
// karaoke, captions and the output and panel settings. Members bear the names every part
// of the program uses for them.
struct Form1State
{
    Form1State();

    // Photos.
    StringTable ListView_daoruxiangpian;                // every photo, in album order
    StringTable ListView_daoruxiangpianchuli;           // the current import batch
    StringTable ListView_daoruxiangpian_tuodong_linshi; // scratch row for exchanges
    StringTable suiListView_xiangpian_liebiao;          // the photo panel's list

    // Templates.
    StringTable ListView_mobancanshu; // the catalogue, in library order
    StringTable ListView_hengzhaopian;
    StringTable ListView_shuzhaopian;
    StringTable ListView_gaojimoban;
    StringTable ListView_hengzhaopian_suijishu;
    StringTable ListView_shuzhaopian_suijishu;
    StringTable ListView_hengzhaopian_suijishu_wei_1;
    StringTable ListView_shuzhaopian_suijishu_wei_1;

    // Music.
    StringTable ListView_daoru_yinyue;
    StringTable ListView_daoruyinyue_tuodong_linshi;
    StringTable suiListView_yinyue_liebiao;

    // Lyrics and the last parsed LRC file.
    StringTable ListView_daoru_LRC;
    StringTable ListView_daorulrc_tuodong_linshi;
    StringTable suiListView_geci_liebiao;
    StringTable ListView_LRC_1;
    StringTable ListView_LRC_2;
    StringTable ListView_LRC_3;

    // Karaoke: row i belongs to song i of the music table.
    StringTable suiListView_ksc;

    // Captions: the project copy of the editor's table, and the picture effects (always empty).
    StringTable ListView_Label;
    StringTable ListView_Image;

    // Output settings.
    HiddenValue Edit_VCDSVCDDVD_leixing;
    HiddenValue Edit_VCDSVCDDVD_zhishi;
    HiddenValue Edit_huanmian_zhiliang;
    HiddenValue Edit_tongbu_shezhi;

    // Template instances and file extensions.
    HiddenValue Edit_mobanleijia_sum;
    HiddenValue Edit_kuozhanming_1;
    HiddenValue Edit_kuozhanming_2;
    HiddenValue Edit_kuozhanming_3;
    HiddenValue Edit_kuozhanming_4;
    HiddenValue Edit_kuozhanming_5;
    HiddenValue Edit_kuozhanming_6;
    HiddenValue Edit_kuozhanming_7;

    // Media panels.
    HiddenValue Edit_tubiao_liebiao;
    HiddenValue Edit_xiangpian_down_id;
    HiddenValue Edit_shuangji_yulan_or_qitacaozuo;
    HiddenValue Edit_Image_chakanxiangpian_T_or_F;
    HiddenValue Edit_xianshikuang_pailie;
    HiddenValue Edit_xianshikuang_pailie_yinyue;
    HiddenValue Edit_xianshikuang_pailie_geci;
    HiddenValue Edit_xiangpian_Width;
    HiddenValue Edit_xiangpian_Height;

    // Every member above, each once, for reset and support dumps.
    std::vector<StringTable *> tables();
    std::vector<HiddenValue *> values();
};

} // namespace velumo
