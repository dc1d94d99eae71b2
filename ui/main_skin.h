#pragma once

#include <QColor>
#include <QPixmap>
#include <QString>

namespace velumo::ui {

// Colours of the main window's skin: the warm dark of the window, bronze panels, gold lines.
namespace skin {
inline constexpr QColor kBackground(29, 24, 18);
inline constexpr QColor kPanel(38, 31, 23);
inline constexpr QColor kPanelEdge(86, 66, 42);
inline constexpr QColor kGold(176, 136, 72);
inline constexpr QColor kGoldBright(222, 176, 98);
inline constexpr QColor kText(242, 232, 212);
inline constexpr QColor kTextMuted(176, 158, 130);
inline constexpr QColor kTitleText(246, 226, 184);
} // namespace skin

inline constexpr int kScrollCapHeight = 16;

// Pictures of the media panels, drawn in code.
struct PanelPictures
{
    QPixmap scrollTopCap;    // Image_jindutiao_0: 14 x kScrollCapHeight
    QPixmap scrollBody;      // Image_jindutiao_1: 14 wide, stretched to the body height
    QPixmap scrollBottomCap; // Image_jindutiao_2
    QPixmap placeholder;     // Image_load_yanshi_bmp: 180 x 180, an empty photo slot
    QPixmap placeholderLit;  // the same slot lit up, for the idle animation
};

// Needs a QGuiApplication.
PanelPictures makePanelPictures();

// Style sheets of the main window's controls.
QString commandButtonStyle();   // the left command column
QString outputButtonStyle();    // VCD, SVCD, DVD, AVI: the same, in the warmer colour of making
QString panelButtonStyle();     // the small buttons of the count panels
QString areaTabStyle();         // the labels under the media frame; "current" marks the shown area
QString reportListStyle();      // the list mode of the media panels
QString contextMenuStyle();

} // namespace velumo::ui
