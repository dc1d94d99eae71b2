#pragma once

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

} // namespace velumo::test
