#pragma once

#include <QString>
#include <QStringList>

namespace velumo {

// A slot list is items each closed in by "|" ("|heng|shu|"): the items are the texts between
// consecutive bars; text before the first bar or after the last is ignored.
QStringList slotListItems(const QString &list);

} // namespace velumo
