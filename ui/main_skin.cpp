#include "ui/main_skin.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace velumo::ui {

namespace {

constexpr int kScrollWidth = 14;

QPixmap transparent(int w, int h)
{
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

QLinearGradient thumbFill(qreal width)
{
    QLinearGradient fill(0, 0, width, 0);
    fill.setColorAt(0, QColor(124, 96, 58));
    fill.setColorAt(0.45, QColor(196, 152, 84));
    fill.setColorAt(1, QColor(110, 84, 50));
    return fill;
}

// One end of the scroll thumb: rounded on the outside, an arrow pointing away from the body.
QPixmap scrollCap(bool top)
{
    QPixmap pixmap = transparent(kScrollWidth, kScrollCapHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(2, 0, kScrollWidth - 4, kScrollCapHeight);
    QPainterPath path;
    const qreal radius = 5;
    if (top) {
        path.moveTo(r.left(), r.bottom());
        path.lineTo(r.left(), r.top() + radius);
        path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
        path.lineTo(r.right() - radius, r.top());
        path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
        path.lineTo(r.right(), r.bottom());
    } else {
        path.moveTo(r.left(), r.top());
        path.lineTo(r.left(), r.bottom() - radius);
        path.quadTo(r.left(), r.bottom(), r.left() + radius, r.bottom());
        path.lineTo(r.right() - radius, r.bottom());
        path.quadTo(r.right(), r.bottom(), r.right(), r.bottom() - radius);
        path.lineTo(r.right(), r.top());
    }
    path.closeSubpath();
    p.fillPath(path, thumbFill(kScrollWidth));
    p.setPen(QPen(QColor(60, 45, 28), 1));
    p.setBrush(QColor(60, 45, 28));
    const qreal cx = kScrollWidth / 2.0;
    const qreal cy = kScrollCapHeight / 2.0 + (top ? 1 : -1);
    QPolygonF arrow;
    if (top)
        arrow << QPointF(cx - 3, cy + 1.5) << QPointF(cx + 3, cy + 1.5) << QPointF(cx, cy - 2);
    else
        arrow << QPointF(cx - 3, cy - 1.5) << QPointF(cx + 3, cy - 1.5) << QPointF(cx, cy + 2);
    p.drawPolygon(arrow);
    return pixmap;
}

QPixmap scrollBody()
{
    QPixmap pixmap = transparent(kScrollWidth, 4);
    QPainter p(&pixmap);
    p.fillRect(QRect(2, 0, kScrollWidth - 4, 4), thumbFill(kScrollWidth));
    return pixmap;
}

// An empty photo slot: a dashed frame with a small landscape drawn in it.
QPixmap placeholder(bool lit)
{
    QPixmap pixmap = transparent(180, 180);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF card(16.5, 22.5, 147, 135);
    const QColor line = lit ? QColor(170, 132, 76) : QColor(84, 66, 44);
    const QColor fill = lit ? QColor(52, 42, 30) : QColor(36, 30, 23);
    p.setPen(QPen(line, 1.4, Qt::DashLine));
    p.setBrush(fill);
    p.drawRoundedRect(card, 8, 8);

    const QColor glyph = lit ? QColor(196, 154, 90) : QColor(92, 74, 50);
    const QPointF c = card.center();
    p.setPen(QPen(glyph, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    const QRectF picture(c.x() - 28, c.y() - 22, 56, 44);
    p.drawRoundedRect(picture, 4, 4);
    QPolygonF hills;
    hills << QPointF(picture.left() + 5, picture.bottom() - 6) << QPointF(picture.left() + 20, picture.top() + 20)
          << QPointF(picture.left() + 31, picture.bottom() - 14) << QPointF(picture.left() + 38, picture.top() + 26)
          << QPointF(picture.right() - 5, picture.bottom() - 6);
    p.drawPolyline(hills);
    p.setBrush(glyph);
    p.drawEllipse(QPointF(picture.right() - 13, picture.top() + 12), 4, 4);
    return pixmap;
}

} // namespace

PanelPictures makePanelPictures()
{
    PanelPictures pictures;
    pictures.scrollTopCap = scrollCap(true);
    pictures.scrollBody = scrollBody();
    pictures.scrollBottomCap = scrollCap(false);
    pictures.placeholder = placeholder(false);
    pictures.placeholderLit = placeholder(true);
    return pictures;
}

QString commandButtonStyle()
{
    return u"QPushButton { color: rgb(246, 232, 206); font-family: \"黑体\"; font-size: 13px;"
           " text-align: left; padding-left: 14px;"
           " border: 1px solid rgb(98, 76, 48); border-radius: 2px;"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(78, 61, 41), stop:0.5 rgb(58, 45, 31), stop:1 rgb(44, 35, 25)); }"
           "QPushButton:hover { color: rgb(255, 255, 255); border-color: rgb(222, 176, 98);"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(140, 106, 62), stop:0.5 rgb(102, 78, 48), stop:1 rgb(70, 54, 36)); }"
           "QPushButton:pressed { padding-top: 2px;"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(36, 28, 20), stop:1 rgb(74, 57, 38)); }"
           "QPushButton:focus { outline: none; }"_s;
}

QString outputButtonStyle()
{
    return u"QPushButton { color: rgb(255, 236, 220); font-family: \"黑体\"; font-size: 13px; font-weight: bold;"
           " text-align: left; padding-left: 14px;"
           " border: 1px solid rgb(120, 62, 40); border-radius: 2px;"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(104, 52, 34), stop:0.5 rgb(78, 38, 25), stop:1 rgb(58, 29, 20)); }"
           "QPushButton:hover { color: rgb(255, 255, 255); border-color: rgb(236, 150, 100);"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(168, 86, 52), stop:0.5 rgb(128, 62, 38), stop:1 rgb(88, 42, 27)); }"
           "QPushButton:pressed { padding-top: 2px;"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(44, 22, 15), stop:1 rgb(96, 46, 30)); }"
           "QPushButton:focus { outline: none; }"_s;
}

QString panelButtonStyle()
{
    return u"QPushButton { color: rgb(236, 222, 196); font-family: \"宋体\"; font-size: 12px;"
           " border: 1px solid rgb(104, 80, 50); border-radius: 2px; padding: 0px;"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(76, 60, 41), stop:1 rgb(50, 40, 28)); }"
           "QPushButton:hover { color: rgb(255, 255, 255); border-color: rgb(222, 176, 98);"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(130, 99, 60), stop:1 rgb(78, 60, 40)); }"
           "QPushButton:pressed { background: rgb(40, 32, 23); padding-top: 1px; }"
           "QPushButton:focus { outline: none; }"_s;
}

QString areaTabStyle()
{
    return u"QLabel { color: rgb(200, 180, 150); font-family: \"宋体\"; font-size: 12px;"
           " border: 1px solid rgb(78, 61, 41); border-top: none;"
           " border-bottom-left-radius: 4px; border-bottom-right-radius: 4px;"
           " background: rgb(36, 30, 22); }"
           "QLabel:hover { color: rgb(255, 255, 255); border-color: rgb(176, 136, 72); }"
           "QLabel[current=\"true\"] { color: rgb(255, 240, 210); border-color: rgb(176, 136, 72);"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(92, 71, 46), stop:1 rgb(58, 45, 31)); }"_s;
}

QString reportListStyle()
{
    return u"QTableWidget { background: rgb(31, 26, 20); alternate-background-color: rgb(37, 31, 24);"
           " color: rgb(232, 220, 198); gridline-color: rgb(58, 47, 34); border: none;"
           " selection-background-color: rgb(120, 90, 50); selection-color: rgb(255, 255, 255);"
           " font-family: \"宋体\"; font-size: 12px; }"
           "QHeaderView::section { color: rgb(246, 226, 184); font-family: \"宋体\"; font-size: 12px;"
           " padding: 3px 6px; border: none; border-right: 1px solid rgb(36, 28, 20);"
           " border-bottom: 1px solid rgb(176, 136, 72);"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(84, 65, 44), stop:1 rgb(56, 43, 30)); }"
           "QTableCornerButton::section { background: rgb(56, 43, 30); border: none; }"
           "QScrollBar:vertical, QScrollBar:horizontal { background: rgb(33, 27, 21); border: none; }"
           "QScrollBar:vertical { width: 12px; } QScrollBar:horizontal { height: 12px; }"
           "QScrollBar::handle { background: rgb(150, 116, 68); border-radius: 4px; margin: 2px; }"
           "QScrollBar::handle:vertical { min-height: 24px; } QScrollBar::handle:horizontal { min-width: 24px; }"
           "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; }"
           "QScrollBar::add-page, QScrollBar::sub-page { background: none; }"_s;
}

QString contextMenuStyle()
{
    return u"QMenu { background: rgb(40, 33, 25); color: rgb(236, 222, 196); border: 1px solid rgb(176, 136, 72);"
           " font-family: \"宋体\"; font-size: 12px; padding: 4px 0px; }"
           "QMenu::item { padding: 5px 28px 5px 22px; }"
           "QMenu::item:selected { background: rgb(120, 90, 50); color: rgb(255, 255, 255); }"
           "QMenu::item:disabled { color: rgb(120, 106, 86); }"
           "QMenu::separator { height: 1px; background: rgb(86, 66, 42); margin: 4px 8px; }"_s;
}

} // namespace velumo::ui
