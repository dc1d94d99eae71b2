#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <array>

namespace velumo {

// The main window's three layouts.
enum class WindowLayout { Start, FullScreen, Restored };

// "kaishibuju", "quanpingbuju", "heshibuju": the layout as the window records it.
QString layoutToken(WindowLayout layout);

// The window's place on `screen` for a layout. The start layout is sized from the screen (with
// its own sizes for 1024 x 768 and 1920 x 1080 screens and 1280 x 720 on larger ones) and
// centred; full screen covers it; the restored layout leaves 100 pixels and is centred. A
// window never comes out larger than its screen.
QRect windowGeometry(WindowLayout layout, const QRect &screen);

// Double-clicking the title bar goes to full screen from the start layout and back to the
// start layout from the others.
WindowLayout layoutAfterTitleDoubleClick(WindowLayout current);

inline constexpr int kCommandCount = 10;
inline constexpr int kRightColumnWidth = 185;

// Where everything inside the main window goes for a window of a given size.
struct FrameGeometry
{
    std::array<QRect, kCommandCount> commands; // the left column, top to bottom
    QRect previewPanel;                        // the selection preview box under the commands
    QRect areaCaption;                         // the band above the media frame
    QRect mediaFrame;                          // all three media panels
    QRect photoCounts;
    QRect musicCounts;
    QRect lyricCounts;
    QRect otherSettings;
    QRect help;                                // empty when the window has no room for it
    std::array<QRect, 3> areaLabels;           // 相片区域, 音乐区域, 歌词区域 under the frame
    QRect websiteLabel;
    QRect closeLabel;
    QRect fullScreenLabel;
    QRect restoreLabel;
    QRect startLayoutLabel;
};

FrameGeometry frameGeometry(QSize window, int titleBarHeight, int bottomStripHeight);

} // namespace velumo
