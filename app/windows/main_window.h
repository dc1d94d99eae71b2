#pragma once

#include "ui/skin_pictures.h"

#include <QWidget>

#include <functional>

class QLabel;
class QTimer;

namespace velumo::ui {
class TitleButtonLabel;
}

namespace velumo {

// The main window: borderless, with its own title bar drawn from the skin pictures, the
// media panel frames in its centre, and the two one-shot timers that run the start-up check
// and the exit clean-up from the message loop.
class MainWindow : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kClientWidth = 1366;
    static constexpr int kClientHeight = 706;

    // `endProcess` runs whenever the window closes, by whatever path: the process ends with
    // the given exit code without any further clean-up.
    MainWindow(const ui::SkinPictures &skin, std::function<void(int)> endProcess);

    QTimer *startupCheckTimer() const { return m_startupCheck; }
    QTimer *exitCleanUpTimer() const { return m_exitCleanUp; }

    // Centres the window on its screen.
    void centreOnScreen();

signals:
    // The title bar's close label was clicked: the user asks to leave.
    void exitRequested();

protected:
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void buildTitleBar();
    void buildMediaPanels();
    void layoutFrame();

    ui::SkinPictures m_skin;
    std::function<void(int)> m_endProcess;

    QLabel *m_left = nullptr;
    QLabel *m_middle = nullptr;
    QLabel *m_right = nullptr;
    QLabel *m_bottom = nullptr;
    QLabel *m_icon = nullptr;
    QLabel *m_caption = nullptr;
    ui::TitleButtonLabel *m_close = nullptr;

    QTimer *m_startupCheck = nullptr;
    QTimer *m_exitCleanUp = nullptr;
};

} // namespace velumo
