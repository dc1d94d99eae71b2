#pragma once

// Contact sheets: every template played with sample photos, a few frames per template laid
// out in a labelled grid, so that the library can be judged by eye.

#include "tools/template_author/template_design.h"

#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace velumo::author {

// A photo fitted to a slot the way the program fits photos with its default modes: a fixed
// slot is covered and cropped at the right and bottom; a full-screen slot gets 1920 pixels of
// width (landscape, on a 1920 × 1080 canvas) or the top three quarters of a 1440-pixel-high
// enlargement (portrait).
QImage fitPhoto(const QImage &photo, const Slot &slot);

// Pleasant made-up photos (4:3 landscapes, 3:4 portraits), variant 0..3.
QImage samplePhoto(bool portrait, int variant);
// A stand-in for the previous template's last frame.
QImage sampleScene();

struct SheetOptions
{
    QString outputFolder;
    QStringList photos;      // used in turn for slots of their orientation; samples otherwise
    QStringList only;        // template file names to draw; all when empty
    int framesPerSheet = 8;
    std::vector<int> frames; // these frames instead (a negative one counts from the end)
    QSize cell{480, 270};
};

// Writes <file>.png for every template and the closing template. Returns the number written.
// Throws std::runtime_error when a movie does not play or a file cannot be written.
int writeContactSheets(const SheetOptions &options);

// One sheet: the template played from a scratch instance folder with `photos` (one per slot,
// fitted here) and `scene`.
QImage contactSheet(const TemplateDesign &design, const std::vector<QImage> &photos, const QImage &scene,
                    const std::vector<int> &frames, QSize cell = {480, 270});

} // namespace velumo::author
