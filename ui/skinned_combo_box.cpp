#include "ui/skinned_combo_box.h"

#include "ui/main_skin.h"

#include <QPainter>
#include <QPainterPath>
#include <QAbstractItemView>
#include <QStyledItemDelegate>

using namespace Qt::Literals::StringLiterals;

namespace velumo::ui {

SkinnedComboBox::SkinnedComboBox(QWidget *parent)
    : QComboBox(parent)
{
    // The list's rows follow the style rules only with a styled delegate.
    setItemDelegate(new QStyledItemDelegate(this));
    setCursor(Qt::PointingHandCursor);
    // The list opens in a frame of its own, which keeps the platform's light edges unless it
    // is told otherwise itself.
    if (QWidget *frame = view()->parentWidget())
        frame->setStyleSheet(u"QComboBoxPrivateContainer { background: rgb(33, 27, 21);"
                             " border: 1px solid rgb(176, 136, 72); }"_s);
}

void SkinnedComboBox::paintEvent(QPaintEvent *event)
{
    QComboBox::paintEvent(event);
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF button(width() - kArrowWidth, 0, kArrowWidth, height());
    p.setPen(QColor(104, 80, 50));
    p.drawLine(QPointF(button.left() + 0.5, 4), QPointF(button.left() + 0.5, height() - 4));
    const QPointF c = button.center();
    QPainterPath arrow;
    arrow.moveTo(c.x() - 4.5, c.y() - 2);
    arrow.lineTo(c.x() + 4.5, c.y() - 2);
    arrow.lineTo(c.x(), c.y() + 3);
    arrow.closeSubpath();
    p.fillPath(arrow, isEnabled() ? skin::kGoldBright : skin::kTextMuted);
}

} // namespace velumo::ui
