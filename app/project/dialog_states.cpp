#include "app/project/dialog_states.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

Form39State::Form39State()
    : Edit_chicun_width(HiddenValue::defaultingToOwnName(u"Edit_chicun_width"_s))
    , Edit_chicun_height(HiddenValue::defaultingToOwnName(u"Edit_chicun_height"_s))
    , Edit_quxiao(u"Edit_quxiao"_s, QString())
{
}

std::vector<HiddenValue *> Form39State::values()
{
    return {&Edit_chicun_width, &Edit_chicun_height, &Edit_quxiao};
}

Form49State::Form49State()
    : Edit1_shiyong_lrc_or_ksc(u"Edit1_shiyong_lrc_or_ksc"_s, u"shiyong_lrcksc"_s)
{
}

std::vector<HiddenValue *> Form49State::values()
{
    return {&Edit1_shiyong_lrc_or_ksc};
}

DeleteConfirmState::DeleteConfirmState()
    : Edit_delete_leixing(HiddenValue::defaultingToOwnName(u"Edit_delete_leixing"_s))
{
}

std::vector<HiddenValue *> DeleteConfirmState::values()
{
    return {&Edit_delete_leixing};
}

Form14State::Form14State()
    : Edit_bangding_or_jiebang(HiddenValue::defaultingToOwnName(u"Edit_bangding_or_jiebang"_s))
{
}

std::vector<HiddenValue *> Form14State::values()
{
    return {&Edit_bangding_or_jiebang};
}

Form15State::Form15State()
    : Edit_bangding_leixing(HiddenValue::defaultingToOwnName(u"Edit_bangding_leixing"_s))
{
}

std::vector<HiddenValue *> Form15State::values()
{
    return {&Edit_bangding_leixing};
}

} // namespace velumo
