#include "app/project/frm_main_state.h"

#include "app/project/column_captions.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

FrmMainState::FrmMainState()
    : ListView_moban_shiyong_shuliang(u"ListView_moban_shiyong_shuliang"_s, captions::templateUsage())
    , ListView_moban_shiyong_shuliang_2(u"ListView_moban_shiyong_shuliang_2"_s, captions::templateUsage())
    , suiListView_KSC_2(u"suiListView_KSC_2"_s, captions::kscLine())
    , suiListView_KSC_3(u"suiListView_KSC_3"_s, captions::kscUnitGrid())
    , suiListView_KSC_4(u"suiListView_KSC_4"_s, captions::kscUnitGrid())
    , suiListView_KSC_5(u"suiListView_KSC_5"_s, captions::kscUnitGrid())
    , suiListView_KSC_6(u"suiListView_KSC_6"_s, captions::kscUnitGrid())
    , suiListView_KSC_7(u"suiListView_KSC_7"_s, captions::kscUnitGrid())
    , Edit_shijian(u"Edit_shijian"_s, u"00:00"_s)
    , Edit_shijian_lrc(u"Edit_shijian_lrc"_s, u"0"_s)
    , Edit_shijian_lrc_num(u"Edit_shijian_lrc_num"_s, u"0"_s)
    , Edit_shijian_lrc_0(u"Edit_shijian_lrc_0"_s, u"00:00"_s)
    , Edit_ksc_shijian(u"Edit_ksc_shijian"_s, u"00:00"_s)
    , Edit_ksc_zhen_leijia(u"Edit_ksc_zhen_leijia"_s, u"0"_s)
    , Edit_ksc_xuhao_leijia(HiddenValue::defaultingToOwnName(u"Edit_ksc_xuhao_leijia"_s))
    , Edit_Num(u"Edit_Num"_s, u"0"_s)
    , Edit_wancheng(u"Edit_wancheng"_s, QString())
    , Edit_wenzizhuangshi_num(u"Edit_wenzizhuangshi_num"_s, u"3"_s)
    , Edit_leijiazhen_num(u"Edit_leijiazhen_num"_s, u"-1"_s)
    , Edit_moban_zhizuo_num(u"Edit_moban_zhizuo_num"_s, u"-1"_s)
    , Edit_zuihoumoban_kaiguan(u"Edit_zuihoumoban_kaiguan"_s, u"butongguo"_s)
    , Edit_lrc_kaiguan(u"Edit_lrc_kaiguan"_s, u"kaishi"_s)
    , Edit_yinyue_zongchangdu(u"Edit_yinyue_zongchangdu"_s, u"0"_s)
    , Edit_dongtaichuangjian_Flash_kaiguan(HiddenValue::defaultingToOwnName(u"Edit_dongtaichuangjian_Flash_kaiguan"_s))
    , Edit_Falsh_wuxiao_jiance02(HiddenValue::defaultingToOwnName(u"Edit_Falsh_wuxiao_jiance02"_s))
{
}

std::vector<StringTable *> FrmMainState::tables()
{
    return {&ListView_moban_shiyong_shuliang,
            &ListView_moban_shiyong_shuliang_2,
            &suiListView_KSC_2,
            &suiListView_KSC_3,
            &suiListView_KSC_4,
            &suiListView_KSC_5,
            &suiListView_KSC_6,
            &suiListView_KSC_7};
}

std::vector<HiddenValue *> FrmMainState::values()
{
    return {&Edit_shijian,
            &Edit_shijian_lrc,
            &Edit_shijian_lrc_num,
            &Edit_shijian_lrc_0,
            &Edit_ksc_shijian,
            &Edit_ksc_zhen_leijia,
            &Edit_ksc_xuhao_leijia,
            &Edit_Num,
            &Edit_wancheng,
            &Edit_wenzizhuangshi_num,
            &Edit_leijiazhen_num,
            &Edit_moban_zhizuo_num,
            &Edit_zuihoumoban_kaiguan,
            &Edit_lrc_kaiguan,
            &Edit_yinyue_zongchangdu,
            &Edit_dongtaichuangjian_Flash_kaiguan,
            &Edit_Falsh_wuxiao_jiance02};
}

} // namespace velumo
