#include "app/windows/button_hints.h"

#include "app/windows/hint_window.h"

#include <QEvent>
#include <QWidget>

namespace velumo {

void ButtonHints::setWindow(HintWindow *window)
{
    m_window = window;
}

void ButtonHints::add(QWidget *control, const QString &hint)
{
    m_hints.insert(control, hint);
    control->installEventFilter(this);
}

bool ButtonHints::eventFilter(QObject *watched, QEvent *event)
{
    if (m_window == nullptr)
        return false;
    switch (event->type()) {
    case QEvent::Enter:
        m_window->requestHint({m_hints.value(watched)});
        break;
    case QEvent::Leave:
    case QEvent::MouseButtonPress:
        m_window->fadeAway();
        break;
    default:
        break;
    }
    return false;
}

} // namespace velumo
