#pragma once

#include "app/tables/hidden_value.h"
#include "app/tables/string_table.h"

#include <vector>

namespace velumo {

// The project data owned by the render window frmMain: the template playlist of the current
// render, the renderer's own set of karaoke work tables, and the clocks of a render.
struct FrmMainState
{
    FrmMainState();

    StringTable ListView_moban_shiyong_shuliang;   // one row per template instance
    StringTable ListView_moban_shiyong_shuliang_2; // the same rows in play order

    // Karaoke work tables of the song being rendered: the line table and the unit grids.
    StringTable suiListView_KSC_2;
    StringTable suiListView_KSC_3;
    StringTable suiListView_KSC_4;
    StringTable suiListView_KSC_5;
    StringTable suiListView_KSC_6;
    StringTable suiListView_KSC_7;

    HiddenValue Edit_shijian;            // album clock text
    HiddenValue Edit_shijian_lrc;        // lyric frame clock
    HiddenValue Edit_shijian_lrc_num;    // lyric row number
    HiddenValue Edit_shijian_lrc_0;      // lyric clock text
    HiddenValue Edit_ksc_shijian;        // karaoke clock text
    HiddenValue Edit_ksc_zhen_leijia;    // karaoke frame counter
    HiddenValue Edit_ksc_xuhao_leijia;   // karaoke song number
    HiddenValue Edit_Num;                // frames rendered so far
    HiddenValue Edit_wancheng;           // movie handshake flag
    HiddenValue Edit_wenzizhuangshi_num; // pixels an effect caption moves per frame

    // Template playing and the lyric line.
    HiddenValue Edit_leijiazhen_num;                  // frame of the current template movie
    HiddenValue Edit_moban_zhizuo_num;                // playlist row being played
    HiddenValue Edit_zuihoumoban_kaiguan;             // "tongguo" once the closing template plays
    HiddenValue Edit_lrc_kaiguan;                     // lyric state: "kaishi", "tingzhi", "tingzhi1", "tingzhi2"
    HiddenValue Edit_yinyue_zongchangdu;              // total music length in seconds
    HiddenValue Edit_dongtaichuangjian_Flash_kaiguan; // "yi_chuangjian_Falsh" once a player exists
    HiddenValue Edit_Falsh_wuxiao_jiance02;           // last total-frames reading of the failure check

    std::vector<StringTable *> tables();
    std::vector<HiddenValue *> values();
};

} // namespace velumo
