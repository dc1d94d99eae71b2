#pragma once

// Bitmaps drawn with QPainter for the templates: backgrounds, shadows, frames and captions.
// Everything is drawn from fixed seeds, so every build makes the same pictures.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

#include <vector>

namespace velumo::author::art {

// A bitmap and where its top-left corner goes, in the local pixels of what it decorates.
struct Sprite
{
    QImage image;
    QRectF rect; // shown here, possibly scaled up from a smaller bitmap
};

struct Palette
{
    QColor deep;   // background base
    QColor mid;
    QColor light;
    QColor accent;
};

// Palettes used across the library.
Palette rosePalette();
Palette goldPalette();
Palette oceanPalette();
Palette forestPalette();
Palette duskPalette();
Palette creamPalette();
Palette nightPalette();

// A 3-pass box blur (close to a Gaussian) of a premultiplied ARGB image.
QImage blurred(const QImage &source, double radius);

// Full-stage backgrounds, drawn at half size and shown at 1920 × 1080.
QImage bokehBackground(const Palette &palette, unsigned seed);
QImage paperBackground(const QColor &base, unsigned seed);
QImage woodBackground(unsigned seed);
QImage silkBackground(const Palette &palette, unsigned seed);
QImage starryBackground(unsigned seed);
QImage watercolourBackground(const Palette &palette, unsigned seed);

// A soft shadow for a box of `size` (local pixels from (0, 0)), offset by (dx, dy).
Sprite dropShadow(QSizeF size, double blur, double dx, double dy, double opacity, double cornerRadius = 0);
// A glow around a box of `size`.
Sprite glow(QSizeF size, double spread, const QColor &colour);
// A gilded frame `width` wide around a box of `size`.
Sprite giltFrame(QSizeF size, double width);
// A carved dark wooden frame with a gold inner lip.
Sprite woodFrame(QSizeF size, double width);
// A round soft light (bokeh particle), `diameter` pixels.
QImage softLight(double diameter, const QColor &colour);
// Text with a soft shadow, tightly cropped (plus room for the shadow).
QImage caption(const QString &text, const QFont &font, const QColor &fill, const QColor &shadow = QColor(0, 0, 0, 110));
// The font for Chinese captions, serif or sans, at `pixelSize`.
QFont captionFont(int pixelSize, bool serif = true, bool bold = false);
// A strip of translucent tape.
QImage tape(QSizeF size, const QColor &colour, unsigned seed);

} // namespace velumo::author::art
