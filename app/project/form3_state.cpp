#include "app/project/form3_state.h"

#include "app/project/column_captions.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

Form3State::Form3State()
    : ListView_Label(u"ListView_Label"_s, captions::textEffect())
{
}

std::vector<StringTable *> Form3State::tables()
{
    return {&ListView_Label};
}

} // namespace velumo
