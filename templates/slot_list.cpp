#include "templates/slot_list.h"

namespace velumo {

QStringList slotListItems(const QString &list)
{
    const qsizetype first = list.indexOf(u'|');
    const qsizetype last = list.lastIndexOf(u'|');
    if (first < 0 || last <= first)
        return {};
    return list.mid(first + 1, last - first - 1).split(u'|');
}

} // namespace velumo
