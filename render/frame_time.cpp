#include "render/frame_time.h"

namespace velumo {

QString frameTimeText(int frames)
{
    const int seconds = frames > 0 ? frames / kAlbumFramesPerSecond : 0;
    const int minutes = (seconds / 60) % 60;
    return QStringLiteral("%1:%2").arg(minutes, 2, 10, QLatin1Char('0')).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace velumo
