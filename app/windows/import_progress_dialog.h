#pragma once

#include "ui/skinned_dialog.h"

#include <functional>

class QLabel;
class QProgressBar;
class QTimer;

namespace velumo {

// The progress windows of the music import (Form6 "添加音乐") and the lyric import (Form7
// "添加歌词"). Shown modally; a one-shot timer starts the work once the window is up, and the
// window stays a moment after the work so the full bar is seen.
class ImportProgressDialog : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    static constexpr int kStartDelayMs = 1000;
    static constexpr int kClosingPauseMs = 1000;

    ImportProgressDialog(const QString &objectName, const QString &caption, const QString &working,
                         const ui::SkinPictures &skin, QWidget *parent = nullptr);

    // Shows the window with the bar at 0 of `maximum`, runs `work` from the timer and closes.
    // An exception `work` throws is rethrown here once the window has closed.
    void run(int maximum, const std::function<void()> &work);

    // One step of the bar; pending window events are handled, so the window stays alive.
    void advance();

    QProgressBar *progressBar() const { return m_bar; }
    QTimer *startTimer() const { return m_timer; }

private:
    void startWork();

    QLabel *m_text;
    QProgressBar *m_bar;
    QTimer *m_timer;
    std::function<void()> m_work;
    std::exception_ptr m_error;
};

} // namespace velumo
