#include "ui/title_button_label.h"

#include <QMouseEvent>

namespace velumo::ui {

TitleButtonLabel::TitleButtonLabel(QLabel *picture, QWidget *parent)
    : QLabel(parent)
    , m_picture(picture)
{
    // No background of its own: the picture underneath is what the user sees.
    setAutoFillBackground(false);
}

void TitleButtonLabel::setPictures(const QPixmap &normal, const QPixmap &hover, const QPixmap &pressed)
{
    m_normal = normal;
    m_hover = hover;
    m_pressed = pressed;
    resetPicture();
}

void TitleButtonLabel::resetPicture()
{
    m_pressedDown = false;
    m_picture->setPixmap(m_normal);
}

void TitleButtonLabel::enterEvent(QEnterEvent *event)
{
    m_picture->setPixmap(m_pressedDown ? m_pressed : m_hover);
    QLabel::enterEvent(event);
}

void TitleButtonLabel::leaveEvent(QEvent *event)
{
    m_picture->setPixmap(m_normal);
    QLabel::leaveEvent(event);
}

void TitleButtonLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton) {
        QLabel::mousePressEvent(event);
        return;
    }
    m_pressedDown = true;
    m_picture->setPixmap(m_pressed);
    event->accept();
}

void TitleButtonLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !m_pressedDown) {
        QLabel::mouseReleaseEvent(event);
        return;
    }
    m_pressedDown = false;
    event->accept();
    if (!rect().contains(event->position().toPoint())) {
        m_picture->setPixmap(m_normal);
        return;
    }
    m_picture->setPixmap(m_hover);
    emit clicked();
}

} // namespace velumo::ui
