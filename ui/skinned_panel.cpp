#include "ui/skinned_panel.h"

#include "ui/main_skin.h"

#include <QIcon>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::Literals::StringLiterals;

namespace velumo::ui {

SkinnedPanel::SkinnedPanel(const QString &objectName, const QString &title, QWidget *parent)
    : QFrame(parent)
    , m_title(title)
{
    setObjectName(objectName);
}

void SkinnedPanel::setTitle(const QString &title)
{
    m_title = title;
    update();
}

void SkinnedPanel::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect all = rect();
    QLinearGradient body(0, kHeaderHeight, 0, height());
    body.setColorAt(0, QColor(42, 34, 26));
    body.setColorAt(1, QColor(33, 27, 20));
    p.fillRect(all, body);

    QLinearGradient header(0, 0, 0, kHeaderHeight);
    header.setColorAt(0, QColor(92, 71, 48));
    header.setColorAt(0.5, QColor(70, 54, 37));
    header.setColorAt(1, QColor(52, 40, 28));
    p.fillRect(QRect(0, 0, width(), kHeaderHeight), header);
    p.fillRect(QRect(0, 1, width(), 1), QColor(255, 226, 170, 40));
    p.fillRect(QRect(0, kHeaderHeight - 1, width(), 1), skin::kGold);

    // A small gold diamond before the title marks the panel.
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(skin::kGoldBright);
    const QPointF c(11, kHeaderHeight / 2.0);
    p.drawPolygon(QPolygonF({c + QPointF(0, -4), c + QPointF(4, 0), c + QPointF(0, 4), c + QPointF(-4, 0)}));
    p.setRenderHint(QPainter::Antialiasing, false);

    QFont titleFont(u"黑体"_s);
    titleFont.setPixelSize(13);
    titleFont.setBold(true);
    p.setFont(titleFont);
    p.setPen(skin::kTitleText);
    p.drawText(QRect(21, 0, width() - 26, kHeaderHeight), Qt::AlignLeft | Qt::AlignVCenter, m_title);

    p.setPen(skin::kPanelEdge);
    p.setBrush(Qt::NoBrush);
    p.drawRect(all.adjusted(0, 0, -1, -1));
}

namespace {

void drawGlyph(QPainter &p, int index)
{
    const QColor gold(236, 196, 128);
    p.setPen(QPen(gold, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (index) {
    case 0: // a photo
        p.drawRoundedRect(QRectF(2, 4, 16, 12), 2, 2);
        p.drawPolyline(QPolygonF({QPointF(4, 14), QPointF(8.5, 9), QPointF(11.5, 12), QPointF(13.5, 10), QPointF(16, 14)}));
        p.drawEllipse(QPointF(14, 7.5), 1.3, 1.3);
        break;
    case 1: // a note
        p.drawLine(QPointF(8, 15), QPointF(8, 3));
        p.drawLine(QPointF(8, 3), QPointF(16, 5));
        p.drawLine(QPointF(16, 5), QPointF(16, 13));
        p.setBrush(gold);
        p.drawEllipse(QPointF(6, 15), 2.5, 2);
        p.drawEllipse(QPointF(14, 13), 2.5, 2);
        break;
    case 2: // lines of words
        p.drawRoundedRect(QRectF(3, 2, 14, 16), 2, 2);
        for (int i = 0; i < 3; ++i)
            p.drawLine(QPointF(6, 6.5 + i * 3.5), QPointF(i == 2 ? 11 : 14, 6.5 + i * 3.5));
        break;
    case 3: // a clock
        p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
        p.drawLine(QPointF(10, 10), QPointF(10, 5));
        p.drawLine(QPointF(10, 10), QPointF(13.5, 12));
        break;
    case 4: { // a letter
        QFont font(u"黑体"_s);
        font.setPixelSize(17);
        font.setBold(true);
        p.setFont(font);
        p.setPen(gold);
        p.drawText(QRectF(0, 0, 20, 20), Qt::AlignCenter, u"T"_s);
        p.setPen(QPen(gold, 1.2));
        p.drawLine(QPointF(2, 18), QPointF(18, 18));
        break;
    }
    case 5: // a gear
        for (int i = 0; i < 8; ++i) {
            p.save();
            p.translate(10, 10);
            p.rotate(i * 45);
            p.drawLine(QPointF(0, -5.5), QPointF(0, -8));
            p.restore();
        }
        p.drawEllipse(QPointF(10, 10), 5.5, 5.5);
        p.drawEllipse(QPointF(10, 10), 2, 2);
        break;
    case 9: // a film strip
        p.drawRect(QRectF(3, 3, 14, 14));
        p.drawLine(QPointF(6, 3), QPointF(6, 17));
        p.drawLine(QPointF(14, 3), QPointF(14, 17));
        p.drawLine(QPointF(6, 10), QPointF(14, 10));
        break;
    default: // a disc
        p.drawEllipse(QPointF(10, 10), 7.5, 7.5);
        p.drawEllipse(QPointF(10, 10), 2.2, 2.2);
        p.drawArc(QRectF(5, 5, 10, 10), 100 * 16, 70 * 16);
        break;
    }
}

} // namespace

QIcon commandIcon(int index)
{
    QPixmap pixmap(40, 40);
    pixmap.fill(Qt::transparent);
    pixmap.setDevicePixelRatio(2.0);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlyph(p, index);
    p.end();
    return QIcon(pixmap);
}

} // namespace velumo::ui
