#include "app/project/main_form_state.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

MainFormState::MainFormState()
    : Edit_wj_1_jy_leijia(u"Edit_wj_1_jy_leijia"_s, u"0"_s)
    , Edit_daoru_moban_kaishishiyong_kaiguan(u"Edit_daoru_moban_kaishishiyong_kaiguan"_s, u"kai"_s)
    , Edit_str_mulu1(u"Edit_str_mulu1"_s, QString())
    , Edit_Width(u"Edit_Width"_s, u"1920"_s)
    , Edit_height(u"Edit_height"_s, u"1080"_s)
{
}

std::vector<HiddenValue *> MainFormState::values()
{
    return {&Edit_wj_1_jy_leijia, &Edit_daoru_moban_kaishishiyong_kaiguan, &Edit_str_mulu1,
            &Edit_Width, &Edit_height};
}

} // namespace velumo
