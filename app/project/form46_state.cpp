#include "app/project/form46_state.h"

#include "app/project/column_captions.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

Form46State::Form46State()
    : suiListView_KSC_2(u"suiListView_KSC_2"_s, captions::kscLine())
    , suiListView_KSC_3(u"suiListView_KSC_3"_s, captions::kscUnitGrid())
    , suiListView_KSC_4(u"suiListView_KSC_4"_s, captions::kscUnitGrid())
    , suiListView_KSC_5(u"suiListView_KSC_5"_s, captions::kscUnitGrid())
    , suiListView_KSC_6(u"suiListView_KSC_6"_s, captions::kscUnitGrid())
    , suiListView_KSC_7(u"suiListView_KSC_7"_s, captions::kscUnitGrid())
{
}

std::vector<StringTable *> Form46State::tables()
{
    return {&suiListView_KSC_2, &suiListView_KSC_3, &suiListView_KSC_4,
            &suiListView_KSC_5, &suiListView_KSC_6, &suiListView_KSC_7};
}

} // namespace velumo
