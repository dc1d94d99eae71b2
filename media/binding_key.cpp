#include "media/binding_key.h"

#include <QDateTime>

#include <atomic>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QString makeBindingKey(int number)
{
    static std::atomic<quint64> serial{0};
    const QString moment = QDateTime::currentDateTime().toString(u"yyyy-MM-dd HH:mm:ss.zzz"_s);
    // The "#" after the serial keeps "...#1" + "23" apart from "...#12" + "3".
    return moment + u'~' + QString::number(++serial) + u'#' + QString::number(number);
}

} // namespace velumo
