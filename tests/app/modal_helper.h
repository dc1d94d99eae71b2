#pragma once

#include "ui/message_box.h"

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace velumo::test {

// Runs `act` once `window` is visible, from inside whatever (modal) event loop is running then.
// Lets a test answer a dialog that the code under test shows with exec().
inline void whenShown(QWidget *window, std::function<void()> act)
{
    // Owned by the window, so a test that ends before the window shows leaves nothing behind.
    auto *poll = new QTimer(window);
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, window, act = std::move(act)] {
        if (!window->isVisible())
            return;
        poll->stop();
        poll->deleteLater();
        act();
    });
    poll->start();
}

// Answers the next message box that becomes visible (it may not exist yet), keeping its text.
inline void answerNextMessageBox(QString *told)
{
    auto *poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, told] {
        for (QWidget *w : QApplication::topLevelWidgets()) {
            auto *box = qobject_cast<ui::MessageBox *>(w);
            if (box != nullptr && box->isVisible()) {
                *told = box->message();
                poll->stop();
                poll->deleteLater();
                box->accept();
                return;
            }
        }
    });
    poll->start();
}

} // namespace velumo::test
