#include "render/opening_picture.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QImage openingPicture()
{
    QImage picture(1920, 1080, QImage::Format_RGB32);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    // A warm dark stage lit from the centre, the program's own colours.
    QRadialGradient light(960, 500, 1100);
    light.setColorAt(0.0, QColor(86, 64, 38));
    light.setColorAt(0.55, QColor(36, 28, 20));
    light.setColorAt(1.0, QColor(10, 8, 6));
    painter.fillRect(picture.rect(), light);

    QLinearGradient gold(0, 0, 1920, 0);
    gold.setColorAt(0.0, QColor(200, 150, 62, 0));
    gold.setColorAt(0.5, QColor(240, 207, 122));
    gold.setColorAt(1.0, QColor(200, 150, 62, 0));
    painter.fillRect(QRect(360, 640, 1200, 3), gold);
    painter.fillRect(QRect(360, 420, 1200, 2), gold);

    QFont title(u"黑体"_s);
    title.setPixelSize(120);
    title.setBold(true);
    painter.setFont(title);
    painter.setPen(QColor(243, 227, 189));
    painter.drawText(QRect(0, 440, 1920, 180), Qt::AlignCenter, u"我 的 电 子 相 册"_s);

    QFont subtitle(u"宋体"_s);
    subtitle.setPixelSize(40);
    painter.setFont(subtitle);
    painter.setPen(QColor(200, 150, 62));
    painter.drawText(QRect(0, 670, 1920, 80), Qt::AlignCenter, u"Velumo"_s);
    return picture;
}

} // namespace velumo
