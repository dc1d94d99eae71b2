#pragma once

#include <QObject>
#include <QPoint>

class QWidget;

namespace velumo::ui {

// Lets the user drag a borderless window by pressing the left button on its handles (the
// title bar pictures). Uses the window manager's own move where there is one, and follows the
// pointer itself where there is none.
class WindowDragger : public QObject
{
public:
    explicit WindowDragger(QWidget *window);

    void addHandle(QWidget *handle);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_window;
    bool m_dragging = false;
    QPoint m_startGlobal;
    QPoint m_startPos;
};

} // namespace velumo::ui
