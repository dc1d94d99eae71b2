#pragma once

// Reusable parts of templates, built on the composer: backgrounds, framed photos with
// shadows, masks that reveal (wipes, irises, blinds, tiles, clock sweeps), and light effects.

#include "tools/template_author/artwork.h"
#include "tools/template_author/composer.h"

#include <QPainterPath>

#include <functional>
#include <vector>

namespace velumo::author {

inline constexpr QPointF kStageCentre{kStageWidth / 2.0, kStageHeight / 2.0};
inline const QRectF kStageRect{0, 0, kStageWidth, kStageHeight};
// The smallest scale masks and flips shrink to: a flat matrix cannot be inverted.
inline constexpr double kClosedScale = 0.0005;

// A full-stage picture (drawn at any size, shown over the whole stage), pivot at the centre.
Element &backdrop(Composer &c, const QImage &image, int quality = 86);
// A full-stage solid colour, pivot at the centre.
Element &stageColour(Composer &c, const QColor &colour);
// Darkened edges over everything added before it.
Element &vignette(Composer &c, double strength);
// A bitmap sprite placed in `leader`'s local space.
Element &attach(Composer &c, const art::Sprite &sprite, const Element &leader, bool lossless = false);
// A caption bitmap with its pivot at its centre, placed at `centre`.
Element &caption(Composer &c, const QImage &text, QPointF centre);

enum class FrameStyle {
    None,
    White,    // a plain white border
    Polaroid, // white with a deeper bottom margin
    Gilt,     // a bevelled gold frame
    Wood,     // dark wood with a gold lip
    Line,     // a thin light line a little outside the photo
};

struct PhotoLook
{
    FrameStyle frame = FrameStyle::White;
    double border = 22;            // frame width in pixels
    QColor colour = QColor(250, 250, 246);
    bool shadow = true;
    double shadowOpacity = 0.55;
    double shadowBlur = 30;
    QPointF shadowOffset{10, 16};
};

struct FramedPhoto
{
    Element *shadow = nullptr;
    Element *photo = nullptr; // moves the whole group
    Element *frame = nullptr;
};

// Shadow, photo and frame of one slot, all following the photo clip.
FramedPhoto framedPhoto(Composer &c, int slot, const PhotoLook &look);

// ----- masks: each opens a mask; add what it reveals, then call Composer::endMask().

enum class Edge { Left, Right, Top, Bottom };

// A rectangle over `area` growing from `from` to the opposite edge.
Element &wipeMask(Composer &c, const QRectF &area, Edge from, int start, int end, Ease ease = Ease::InOutCubic);
// `shape` (drawn around the origin) scaled from `fromScale` to `toScale` about `centre`.
Element &irisMask(Composer &c, const QPainterPath &shape, QPointF centre, int start, int end, double fromScale,
                  double toScale, Ease ease = Ease::InOutCubic);
// A mask whose shape is made anew every frame from start to end: `pieces(t)` for t in 0..1.
Element &animatedMask(Composer &c, int start, int end, const std::function<std::vector<QPolygonF>(double t)> &pieces);
// Strips across `area` that open one after another.
Element &blindsMask(Composer &c, const QRectF &area, int count, bool vertical, int start, int end, double stagger = 0.5);
// Tiles that appear in a random order, each growing from its centre.
Element &tilesMask(Composer &c, const QRectF &area, int columns, int rows, int start, int end, unsigned seed);
// A clock hand sweeping round `centre`, revealing as it goes.
Element &clockMask(Composer &c, const QRectF &area, int start, int end);
// A band sliding diagonally across the stage.
Element &diagonalMask(Composer &c, int start, int end, bool downRight = true);

// ----- transitions of the scene picture

// Two halves of the scene open like doors (vertical) or like a lid (horizontal). Add last:
// the doors lie on top of everything.
void sceneDoors(Composer &c, int start, int end, bool vertical);
// The scene becomes a framed card that shrinks, turns and flies to `target` (off stage for an exit).
void sceneCardAway(Composer &c, int start, int end, QPointF target, double toScale, double toRotation);
// The scene breaks into strips that slide out alternately.
void sceneStripsAway(Composer &c, int start, int end, int count, bool vertical);

// ----- light

// Soft round lights drifting upward across the whole movie.
void floatingLights(Composer &c, int count, const QColor &colour, unsigned seed, int start, double minSize = 24,
                    double maxSize = 90);
// A bright band crossing the stage.
void lightSweep(Composer &c, int start, int end, const QColor &colour = QColor(255, 250, 235));
// The stage flashes to `colour` (up to `strength` opacity) at `peak` and clears again.
void flash(Composer &c, int start, int peak, int end, const QColor &colour = Qt::white, double strength = 0.9);
// The scene gently recedes (shrinks a little and fades) while `cover` fades in over it.
void sceneRecedes(Composer &c, Element &cover, int start, int end, double toScale = 0.94);
// A circle of `radius` pixels around the origin, for irises.
QPainterPath circlePath(double radius);
// Black bars closing in to a wide-screen frame.
void letterbox(Composer &c, int start, int end, double barHeight);

} // namespace velumo::author
