#include "ui/window_dragger.h"

#include <QMouseEvent>
#include <QWidget>
#include <QWindow>

namespace velumo::ui {

WindowDragger::WindowDragger(QWidget *window)
    : QObject(window)
    , m_window(window)
{
}

void WindowDragger::addHandle(QWidget *handle)
{
    handle->installEventFilter(this);
}

bool WindowDragger::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() != Qt::LeftButton)
            break;
        // The window manager's own move feels native and handles screen edges.
        QWindow *handle = m_window->windowHandle();
        if (handle && handle->startSystemMove())
            return true;
        m_dragging = true;
        m_startGlobal = mouse->globalPosition().toPoint();
        m_startPos = m_window->pos();
        return true;
    }
    case QEvent::MouseMove:
        if (m_dragging) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            m_window->move(m_startPos + mouse->globalPosition().toPoint() - m_startGlobal);
            return true;
        }
        break;
    case QEvent::MouseButtonRelease:
        if (m_dragging && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            m_dragging = false;
            return true;
        }
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace velumo::ui
