#include "app/project/dialog_states.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

Form39State::Form39State()
    : Edit_chicun_width(HiddenValue::defaultingToOwnName(u"Edit_chicun_width"_s))
    , Edit_chicun_height(HiddenValue::defaultingToOwnName(u"Edit_chicun_height"_s))
{
}

std::vector<HiddenValue *> Form39State::values()
{
    return {&Edit_chicun_width, &Edit_chicun_height};
}

Form49State::Form49State()
    : Edit1_shiyong_lrc_or_ksc(u"Edit1_shiyong_lrc_or_ksc"_s, u"shiyong_lrcksc"_s)
{
}

std::vector<HiddenValue *> Form49State::values()
{
    return {&Edit1_shiyong_lrc_or_ksc};
}

} // namespace velumo
