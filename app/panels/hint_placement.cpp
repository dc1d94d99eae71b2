#include "app/panels/hint_placement.h"

namespace velumo {

QPoint placeHint(QPoint pointer, QSize hint, const QRect &screen)
{
    const int screenRight = screen.x() + screen.width();
    const int screenBottom = screen.y() + screen.height();

    int left = pointer.x() - 20;
    if (left < screen.x())
        left = screen.x() + 8;
    if (left + hint.width() > screenRight)
        left = screenRight - hint.width() - 5;

    int top = pointer.y() + 10;
    if (top < screen.y())
        top = screen.y() + 8;
    if (top + hint.height() > screenBottom)
        top = pointer.y() + 10 - hint.height() - 12;
    return {left, top};
}

} // namespace velumo
