#pragma once

#include <QPixmap>

namespace velumo::ui {

// Geometry shared by the main window's title bar and every dialog's title bar.
inline constexpr int kTitleBarHeight = 36;
inline constexpr int kBottomStripHeight = 6;
inline constexpr int kTitleLeftWidth = 160;  // left end, behind the caption
inline constexpr int kTitleRightWidth = 45;  // right end, holds the close mark
inline constexpr int kTitleButtonWidth = 32; // each title label (close, full screen, ...)
inline constexpr int kTitleMiddleWidth = 8;  // stretched sideways, so every column is identical

// Normal / hover / pressed pictures of one title-bar label. Drawn on a transparent
// background: the main window lays them over its stretched middle picture.
struct TitleButtonPictures
{
    QPixmap normal;
    QPixmap hover;
    QPixmap pressed;
};

// The skin pieces of the title bars and the bottom strip. The names are those the
// windows refer to; the close mark's three states are whole right ends so a dialog only
// swaps one picture.
struct SkinPictures
{
    QPixmap Image_zuo1;   // left end of the title bar
    QPixmap Image_zhong1; // middle, stretched across the width
    QPixmap Image_you1;   // right end with the close mark
    QPixmap Image_you2;   // right end, pointer over the close mark
    QPixmap Image_you3;   // right end, close mark pressed
    QPixmap Image_xia;    // bottom strip, stretched across the width

    // The main window's other title labels, kTitleButtonWidth x kTitleBarHeight each.
    TitleButtonPictures fullScreen;
    TitleButtonPictures restore;
    TitleButtonPictures startLayout;
};

// Draws the skin. Needs a QGuiApplication.
SkinPictures makeSkinPictures();

} // namespace velumo::ui
