#pragma once

#include <QSize>

namespace velumo {

// How a photo meets a slot without a fixed size (the crop options of the other-settings window).
struct CropModes
{
    bool landscapeFullScreen = true; // otherwise the template's default: the whole photo
    bool portraitEnlarge = true;     // otherwise the template's default: the whole photo
};

// The photo scaled to `scaled` is drawn at the top-left corner of a black `canvas`; what
// reaches past the canvas is cut off at the right and the bottom.
struct FitGeometry
{
    QSize scaled;
    QSize canvas;
};

inline constexpr QSize kFullScreenBox{1920, 1080};

// `photo` is the displayed size; `slot` the slot size, where a zero in either dimension means
// the slot has no fixed size. Integer arithmetic, products first, truncating division.
FitGeometry fitGeometry(QSize photo, QSize slot, CropModes modes);

} // namespace velumo
