#include "ui/app_icon.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace velumo::ui {

QPixmap makeAppIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0);

    // Gold frame.
    QLinearGradient gold(0, 0, 64, 64);
    gold.setColorAt(0, QColor(250, 222, 150));
    gold.setColorAt(0.5, QColor(196, 146, 66));
    gold.setColorAt(1, QColor(120, 82, 34));
    p.setPen(Qt::NoPen);
    p.setBrush(gold);
    p.drawRoundedRect(QRectF(4, 8, 56, 48), 6, 6);

    // Picture: evening sky, sun and hills.
    const QRectF scene(10, 14, 44, 36);
    QLinearGradient sky(0, scene.top(), 0, scene.bottom());
    sky.setColorAt(0, QColor(64, 40, 92));
    sky.setColorAt(0.6, QColor(236, 120, 72));
    sky.setColorAt(1, QColor(252, 196, 110));
    p.setBrush(sky);
    p.drawRect(scene);
    p.setClipRect(scene);
    QRadialGradient sun(QPointF(40, 36), 9);
    sun.setColorAt(0, QColor(255, 246, 200));
    sun.setColorAt(1, QColor(255, 200, 90));
    p.setBrush(sun);
    p.drawEllipse(QPointF(40, 36), 7, 7);
    QPainterPath hills;
    hills.moveTo(10, 50);
    hills.cubicTo(20, 34, 28, 38, 34, 44);
    hills.cubicTo(40, 38, 50, 36, 54, 42);
    hills.lineTo(54, 50);
    hills.closeSubpath();
    p.setBrush(QColor(48, 30, 40));
    p.drawPath(hills);
    p.setClipping(false);

    // A film-strip notch on top and bottom, so it reads as a movie of pictures.
    p.setBrush(QColor(60, 40, 20));
    for (int x = 12; x <= 48; x += 9) {
        p.drawRoundedRect(QRectF(x, 9.5, 4, 3), 1, 1);
        p.drawRoundedRect(QRectF(x, 51.5, 4, 3), 1, 1);
    }
    return pixmap;
}

} // namespace velumo::ui
