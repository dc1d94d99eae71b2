#include "app/project/form1_state.h"

#include "app/project/column_captions.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

Form1State::Form1State()
    : ListView_daoruxiangpian(u"ListView_daoruxiangpian"_s, captions::photo())
    , ListView_daoruxiangpianchuli(u"ListView_daoruxiangpianchuli"_s, captions::photoProcessing())
    , ListView_daoruxiangpian_tuodong_linshi(u"ListView_daoruxiangpian_tuodong_linshi"_s, captions::photo())
    , suiListView_xiangpian_liebiao(u"suiListView_xiangpian_liebiao"_s, captions::photoList())
    , ListView_mobancanshu(u"ListView_mobancanshu"_s, captions::templateCatalogue())
    , ListView_hengzhaopian(u"ListView_hengzhaopian"_s, captions::templateClass())
    , ListView_shuzhaopian(u"ListView_shuzhaopian"_s, captions::templateClass())
    , ListView_gaojimoban(u"ListView_gaojimoban"_s, captions::templateClass())
    , ListView_hengzhaopian_suijishu(u"ListView_hengzhaopian_suijishu"_s, captions::templateCandidate())
    , ListView_shuzhaopian_suijishu(u"ListView_shuzhaopian_suijishu"_s, captions::templateCandidate())
    , ListView_hengzhaopian_suijishu_wei_1(u"ListView_hengzhaopian_suijishu_wei_1"_s, captions::templateCandidate())
    , ListView_shuzhaopian_suijishu_wei_1(u"ListView_shuzhaopian_suijishu_wei_1"_s, captions::templateCandidate())
    , ListView_daoru_yinyue(u"ListView_daoru_yinyue"_s, captions::music())
    , ListView_daoruyinyue_tuodong_linshi(u"ListView_daoruyinyue_tuodong_linshi"_s, captions::music())
    , suiListView_yinyue_liebiao(u"suiListView_yinyue_liebiao"_s, captions::musicList())
    , ListView_daoru_LRC(u"ListView_daoru_LRC"_s, captions::lyric())
    , ListView_daorulrc_tuodong_linshi(u"ListView_daorulrc_tuodong_linshi"_s, captions::lyric())
    , suiListView_geci_liebiao(u"suiListView_geci_liebiao"_s, captions::lyricList())
    , ListView_LRC_1(u"ListView_LRC_1"_s, captions::lrcResult1())
    , ListView_LRC_2(u"ListView_LRC_2"_s, captions::lrcResult2())
    , ListView_LRC_3(u"ListView_LRC_3"_s, captions::lrcResult3())
    , suiListView_ksc(u"suiListView_ksc"_s, captions::karaoke())
    , ListView_Label(u"ListView_Label"_s, captions::textEffect())
    , ListView_Image(u"ListView_Image"_s, captions::pictureEffect())
    , Edit_VCDSVCDDVD_leixing(u"Edit_VCDSVCDDVD_leixing"_s, u"DVD"_s)
    , Edit_VCDSVCDDVD_zhishi(u"Edit_VCDSVCDDVD_zhishi"_s, u"PAL"_s)
    , Edit_huanmian_zhiliang(u"Edit_huanmian_zhiliang"_s, u"gaoqing_huazhi"_s)
    , Edit_tongbu_shezhi(u"Edit_tongbu_shezhi"_s, u"sui_zhaopian_tongbu"_s)
    , Edit_mobanleijia_sum(u"Edit_mobanleijia_sum"_s, u"0"_s)
    , Edit_kuozhanming_1(u"Edit_kuozhanming_1"_s, u".rar"_s)
    , Edit_kuozhanming_2(u"Edit_kuozhanming_2"_s, u".rar"_s)
    , Edit_kuozhanming_3(u"Edit_kuozhanming_3"_s, u".rar"_s)
    , Edit_kuozhanming_4(u"Edit_kuozhanming_4"_s, u".rar"_s)
    , Edit_kuozhanming_5(u"Edit_kuozhanming_5"_s, u".jpg"_s)
    , Edit_kuozhanming_6(u"Edit_kuozhanming_6"_s, u".png"_s)
    , Edit_kuozhanming_7(u"Edit_kuozhanming_7"_s, u".bmp"_s)
    , Edit_tubiao_liebiao(u"Edit_tubiao_liebiao"_s, u"tubiao"_s)
    , Edit_xiangpian_down_id(u"Edit_xiangpian_down_id"_s, u"wu"_s)
    , Edit_shuangji_yulan_or_qitacaozuo(HiddenValue::defaultingToOwnName(u"Edit_shuangji_yulan_or_qitacaozuo"_s))
    , Edit_Image_chakanxiangpian_T_or_F(HiddenValue::defaultingToOwnName(u"Edit_Image_chakanxiangpian_T_or_F"_s))
    , Edit_xianshikuang_pailie(u"Edit_xianshikuang_pailie"_s, u"0"_s)
    , Edit_xianshikuang_pailie_yinyue(u"Edit_xianshikuang_pailie_yinyue"_s, u"0"_s)
    , Edit_xianshikuang_pailie_geci(u"Edit_xianshikuang_pailie_geci"_s, u"0"_s)
    , Edit_xiangpian_Width(u"Edit_xiangpian_Width"_s, u"180"_s)
    , Edit_xiangpian_Height(u"Edit_xiangpian_Height"_s, u"180"_s)
{
}

std::vector<StringTable *> Form1State::tables()
{
    return {&ListView_daoruxiangpian,
            &ListView_daoruxiangpianchuli,
            &ListView_daoruxiangpian_tuodong_linshi,
            &suiListView_xiangpian_liebiao,
            &ListView_mobancanshu,
            &ListView_hengzhaopian,
            &ListView_shuzhaopian,
            &ListView_gaojimoban,
            &ListView_hengzhaopian_suijishu,
            &ListView_shuzhaopian_suijishu,
            &ListView_hengzhaopian_suijishu_wei_1,
            &ListView_shuzhaopian_suijishu_wei_1,
            &ListView_daoru_yinyue,
            &ListView_daoruyinyue_tuodong_linshi,
            &suiListView_yinyue_liebiao,
            &ListView_daoru_LRC,
            &ListView_daorulrc_tuodong_linshi,
            &suiListView_geci_liebiao,
            &ListView_LRC_1,
            &ListView_LRC_2,
            &ListView_LRC_3,
            &suiListView_ksc,
            &ListView_Label,
            &ListView_Image};
}

std::vector<HiddenValue *> Form1State::values()
{
    return {&Edit_VCDSVCDDVD_leixing,
            &Edit_VCDSVCDDVD_zhishi,
            &Edit_huanmian_zhiliang,
            &Edit_tongbu_shezhi,
            &Edit_mobanleijia_sum,
            &Edit_kuozhanming_1,
            &Edit_kuozhanming_2,
            &Edit_kuozhanming_3,
            &Edit_kuozhanming_4,
            &Edit_kuozhanming_5,
            &Edit_kuozhanming_6,
            &Edit_kuozhanming_7,
            &Edit_tubiao_liebiao,
            &Edit_xiangpian_down_id,
            &Edit_shuangji_yulan_or_qitacaozuo,
            &Edit_Image_chakanxiangpian_T_or_F,
            &Edit_xianshikuang_pailie,
            &Edit_xianshikuang_pailie_yinyue,
            &Edit_xianshikuang_pailie_geci,
            &Edit_xiangpian_Width,
            &Edit_xiangpian_Height};
}

} // namespace velumo
