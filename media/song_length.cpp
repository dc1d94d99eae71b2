#include "media/song_length.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

QString twoDigits(qint64 value)
{
    return value < 10 ? u'0' + QString::number(value) : QString::number(value);
}

} // namespace

QString songTimeText(qint64 lengthMs)
{
    const qint64 seconds = lengthMs / 1000;
    return u"00:"_s + twoDigits(seconds / 60) + u':' + twoDigits(seconds % 60);
}

qint64 songFramesNeeded(qint64 lengthMs)
{
    return lengthMs / 1000 * 25;
}

} // namespace velumo
