#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>

class QWidget;

namespace velumo {

class HintWindow;

// Shows a control's explanatory hint in Form30 while the pointer rests on it, and lets the
// hint fade out when the pointer leaves or the control is pressed.
class ButtonHints : public QObject
{
public:
    using QObject::QObject;

    void setWindow(HintWindow *window);
    void add(QWidget *control, const QString &hint);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<HintWindow> m_window;
    QHash<const QObject *, QString> m_hints;
};

} // namespace velumo
