#include "ui/skin_pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace velumo::ui {

namespace {

constexpr QColor kEdgeDark(18, 14, 10);
constexpr QColor kTopHighlight(255, 226, 170, 60);
constexpr QColor kGoldLine(138, 104, 56);
constexpr QColor kGoldBright(222, 176, 98);

enum class Glyph { Close, FullScreen, Restore, StartLayout };
enum class State { Normal, Hover, Pressed };

QPixmap transparentPixmap(int width, int height)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

// The body of the bar: warm bronze fading to the dark of the window, a dark outer edge and
// a faint highlight on top, a gold line and a dark separator at the bottom. Purely
// vertical, so pieces drawn with it join without a seam.
void paintBarBackground(QPainter &p, int x, int width)
{
    const int h = kTitleBarHeight;
    QLinearGradient fill(0, 0, 0, h);
    fill.setColorAt(0.0, QColor(98, 76, 52));
    fill.setColorAt(0.10, QColor(84, 65, 44));
    fill.setColorAt(0.55, QColor(58, 45, 31));
    fill.setColorAt(1.0, QColor(40, 31, 22));
    p.fillRect(QRect(x, 0, width, h), fill);
    p.fillRect(QRect(x, 0, width, 1), kEdgeDark);
    p.fillRect(QRect(x, 1, width, 1), kTopHighlight);
    p.fillRect(QRect(x, h - 2, width, 1), kGoldLine);
    p.fillRect(QRect(x, h - 1, width, 1), kEdgeDark);
}

void paintGlyph(QPainter &p, const QPointF &c, Glyph glyph, const QColor &colour)
{
    QPen pen(colour, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(pen);
    p.setBrush(Qt::NoBrush);
    switch (glyph) {
    case Glyph::Close: {
        pen.setWidthF(2.0);
        p.setPen(pen);
        const qreal r = 4.5;
        p.drawLine(QPointF(c.x() - r, c.y() - r), QPointF(c.x() + r, c.y() + r));
        p.drawLine(QPointF(c.x() - r, c.y() + r), QPointF(c.x() + r, c.y() - r));
        break;
    }
    case Glyph::FullScreen: {
        // Four corner brackets pointing outwards.
        const qreal r = 5.0, arm = 3.0;
        for (const int sx : {-1, 1}) {
            for (const int sy : {-1, 1}) {
                const QPointF corner(c.x() + sx * r, c.y() + sy * r);
                p.drawLine(corner, QPointF(corner.x() - sx * arm, corner.y()));
                p.drawLine(corner, QPointF(corner.x(), corner.y() - sy * arm));
            }
        }
        break;
    }
    case Glyph::Restore: {
        // Two overlapping windows.
        const QRectF back(c.x() - 2.5, c.y() - 5.5, 8, 7);
        const QRectF front(c.x() - 5.5, c.y() - 1.5, 8, 7);
        p.drawPolyline(QPolygonF({QPointF(back.left(), front.top()), back.topLeft(), back.topRight(),
                                  back.bottomRight(), QPointF(front.right(), back.bottom())}));
        p.drawRect(front);
        break;
    }
    case Glyph::StartLayout: {
        // A window with its title band filled in.
        const QRectF frame(c.x() - 5.5, c.y() - 4.5, 11, 9);
        p.drawRect(frame);
        p.fillRect(QRectF(frame.left(), frame.top(), frame.width(), 3), colour);
        break;
    }
    }
}

// A rounded square carrying the glyph, centred in `area`.
void paintTitleButton(QPainter &p, const QRectF &area, Glyph glyph, State state)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF offset = state == State::Pressed ? QPointF(0.5, 1.0) : QPointF(0, 0);
    const QRectF square = QRectF(area.center().x() - 11, area.center().y() - 10, 22, 20)
                              .translated(offset)
                              .adjusted(0.5, 0.5, -0.5, -0.5);
    QColor top, bottom, border, glyphColour, shine;
    switch (state) {
    case State::Normal:
        top = QColor(108, 84, 56);
        bottom = QColor(64, 49, 33);
        border = QColor(150, 114, 62);
        glyphColour = QColor(236, 220, 190);
        shine = QColor(255, 236, 200, 50);
        break;
    case State::Hover:
        top = QColor(168, 128, 74);
        bottom = QColor(104, 78, 46);
        border = kGoldBright;
        glyphColour = QColor(255, 255, 255);
        shine = QColor(255, 240, 210, 110);
        break;
    case State::Pressed:
        // Sunken: the light sits at the bottom.
        top = QColor(112, 26, 18);
        bottom = QColor(176, 52, 36);
        border = QColor(232, 128, 96);
        glyphColour = QColor(255, 255, 255);
        shine = QColor(255, 200, 180, 30);
        break;
    }

    if (state == State::Hover) {
        p.setPen(QPen(QColor(240, 190, 100, 70), 2.0));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(square.adjusted(-1, -1, 1, 1), 5, 5);
    }
    QLinearGradient fill(square.topLeft(), square.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    p.setPen(QPen(border, 1.0));
    p.setBrush(fill);
    p.drawRoundedRect(square, 4, 4);
    p.setPen(QPen(shine, 1.0));
    p.drawLine(QPointF(square.left() + 3, square.top() + 1.5), QPointF(square.right() - 3, square.top() + 1.5));

    paintGlyph(p, square.center(), glyph, glyphColour);
    p.restore();
}

QPixmap makeLeft()
{
    QPixmap pixmap = transparentPixmap(kTitleLeftWidth, kTitleBarHeight);
    QPainter p(&pixmap);
    paintBarBackground(p, 0, kTitleLeftWidth);
    // A warm glow behind the caption; it is gone before the right edge so the middle
    // picture continues without a seam.
    QRadialGradient glow(QPointF(44, kTitleBarHeight / 2.0), 110);
    glow.setColorAt(0, QColor(236, 176, 86, 52));
    glow.setColorAt(1, QColor(236, 176, 86, 0));
    p.fillRect(QRect(1, 2, kTitleLeftWidth - 1, kTitleBarHeight - 4), glow);
    // The gold line is brightest at the left end and settles into the middle's colour.
    QLinearGradient gold(0, 0, kTitleLeftWidth, 0);
    gold.setColorAt(0, kGoldBright);
    gold.setColorAt(1, kGoldLine);
    p.fillRect(QRect(0, kTitleBarHeight - 2, kTitleLeftWidth, 1), gold);
    p.fillRect(QRect(0, 0, 1, kTitleBarHeight), kEdgeDark);
    p.fillRect(QRect(1, 1, 1, kTitleBarHeight - 2), QColor(255, 226, 170, 36));
    return pixmap;
}

QPixmap makeMiddle()
{
    QPixmap pixmap = transparentPixmap(kTitleMiddleWidth, kTitleBarHeight);
    QPainter p(&pixmap);
    paintBarBackground(p, 0, kTitleMiddleWidth);
    return pixmap;
}

QPixmap makeRight(State state)
{
    QPixmap pixmap = transparentPixmap(kTitleRightWidth, kTitleBarHeight);
    QPainter p(&pixmap);
    paintBarBackground(p, 0, kTitleRightWidth);
    p.fillRect(QRect(kTitleRightWidth - 1, 0, 1, kTitleBarHeight), kEdgeDark);
    p.fillRect(QRect(kTitleRightWidth - 2, 1, 1, kTitleBarHeight - 2), QColor(0, 0, 0, 60));
    paintTitleButton(p, QRectF(0, 0, kTitleButtonWidth, kTitleBarHeight - 2), Glyph::Close, state);
    return pixmap;
}

QPixmap makeBottom()
{
    QPixmap pixmap = transparentPixmap(kTitleMiddleWidth, kBottomStripHeight);
    QPainter p(&pixmap);
    QLinearGradient fill(0, 0, 0, kBottomStripHeight);
    fill.setColorAt(0, QColor(72, 56, 38));
    fill.setColorAt(1, QColor(34, 27, 19));
    p.fillRect(pixmap.rect(), fill);
    p.fillRect(QRect(0, 0, kTitleMiddleWidth, 1), kGoldLine);
    p.fillRect(QRect(0, 1, kTitleMiddleWidth, 1), QColor(255, 226, 170, 40));
    p.fillRect(QRect(0, kBottomStripHeight - 1, kTitleMiddleWidth, 1), kEdgeDark);
    return pixmap;
}

TitleButtonPictures makeButton(Glyph glyph)
{
    TitleButtonPictures pictures;
    const auto draw = [glyph](State state) {
        QPixmap pixmap = transparentPixmap(kTitleButtonWidth, kTitleBarHeight);
        QPainter p(&pixmap);
        paintTitleButton(p, QRectF(0, 0, kTitleButtonWidth, kTitleBarHeight - 2), glyph, state);
        return pixmap;
    };
    pictures.normal = draw(State::Normal);
    pictures.hover = draw(State::Hover);
    pictures.pressed = draw(State::Pressed);
    return pictures;
}

} // namespace

SkinPictures makeSkinPictures()
{
    SkinPictures skin;
    skin.Image_zuo1 = makeLeft();
    skin.Image_zhong1 = makeMiddle();
    skin.Image_you1 = makeRight(State::Normal);
    skin.Image_you2 = makeRight(State::Hover);
    skin.Image_you3 = makeRight(State::Pressed);
    skin.Image_xia = makeBottom();
    skin.fullScreen = makeButton(Glyph::FullScreen);
    skin.restore = makeButton(Glyph::Restore);
    skin.startLayout = makeButton(Glyph::StartLayout);
    return skin;
}

} // namespace velumo::ui
