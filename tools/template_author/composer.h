#pragma once

// Builds one template movie from animated elements. Every element has keyframed tracks
// (position, scale, rotation, opacity, colour wash); the composer turns them into one
// PlaceObject2 per element in frame 0 and a modify command in every later frame where the
// element changes, so that all motion lives on the root timeline and any frame can be reached
// by a goto.
//
// Frame 0 also holds the script the host relies on: the marker variable, the scene picture and
// the slot photos loaded into their placeholder clips, the "picture_0" fscommand and a stop.

#include "players/swf/model.h"
#include "players/swf/writer/movie_writer.h"
#include "tools/template_author/easing.h"

#include <QColor>
#include <QImage>
#include <QPointF>
#include <QSize>
#include <QSizeF>
#include <QTransform>

#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <vector>

namespace velumo::author {

inline constexpr int kStageWidth = 1920;
inline constexpr int kStageHeight = 1080;
inline constexpr int kFramesPerSecond = 25;

inline constexpr char kMarkerVariable[] = "l_x_z_f_c";
inline constexpr char kMarkerValue[] = "l_x_z_f_c_s_y_w_j";
inline constexpr char kScenePictureUrl[] = "..\\..\\pic\\picture_0.rar";
inline constexpr char kReadyCommand[] = "picture_0";

// A value over time: the base value without keys, the first key's value before it.
class Track
{
public:
    explicit Track(double base = 0) : m_base(base) {}

    void set(double value) { m_base = value; }
    // Reach `value` at `frame`, travelling from the previous key (or the base) with `ease`.
    // A key at a frame that already has one replaces it.
    Track &key(int frame, double value, Ease ease = Ease::InOutCubic);
    // Be `from` at frame `start` and `to` at frame `end`. The value jumps to `from` at `start`
    // unless a key already ends there, so consecutive tweens chain smoothly.
    Track &tween(int start, int end, double from, double to, Ease ease = Ease::InOutCubic);
    double at(int frame) const;

private:
    struct Key
    {
        int frame = 0;
        double value = 0;
        Ease ease = Ease::Linear;
    };
    double m_base;
    std::vector<Key> m_keys; // ascending frames
};

class Composer;

// One thing on the stage at its own depth. Its local space is in pixels: a loaded picture
// has its top-left pixel at (0, 0), shapes are drawn in pixels.
class Element
{
public:
    Track x;        // where the pivot lands, in the parent's pixels (the stage, or the leader)
    Track y;
    Track scaleX{1};
    Track scaleY{1};
    Track rotation; // degrees, clockwise on screen
    Track alpha{1};
    Track tint;     // 0: own colours, 1: entirely tintColour
    QColor tintColour = Qt::white;
    QPointF pivot;  // local point that scaling and rotation keep in place

    Element &at(double px, double py);
    Element &at(QPointF p) { return at(p.x(), p.y()); }
    Element &scale(double s);
    Element &turn(double degrees);
    Element &opacity(double a);
    Element &pivotAt(QPointF p);

    Element &move(int start, int end, QPointF from, QPointF to, Ease ease = Ease::InOutCubic);
    Element &zoom(int start, int end, double from, double to, Ease ease = Ease::InOutCubic);
    Element &spin(int start, int end, double from, double to, Ease ease = Ease::InOutCubic);
    Element &fade(int start, int end, double from, double to, Ease ease = Ease::InOutSine);
    Element &wash(int start, int end, QColor colour, double from, double to, Ease ease = Ease::InOutSine);
    // Moves, turns, scales, fades and tints with `leader`; this element's own tracks apply in
    // the leader's local space. Borders and shadows follow their photo this way; a shadow
    // (takeWash false) takes only the leader's opacity, and that lagging, not its colour wash.
    Element &follow(const Element &leader, bool takeWash = true);
    // Shows `characterId` from `frame` on (masks whose shape changes frame by frame).
    Element &swapCharacter(int frame, std::uint16_t characterId);
    // Fully transparent outside frames first..last (inclusive): covered clips stop costing
    // paint time, and pieces can enter and leave without fades.
    Element &visibleDuring(int first, int last);

    std::uint16_t depth() const { return m_depth; }
    const std::string &name() const { return m_name; }
    // Local pixels to stage pixels at `frame`.
    QTransform transformAt(int frame) const;
    // Opacity and colour wash at `frame`, the leader's included.
    swf::ColorTransform colourAt(int frame) const;
    std::uint16_t characterAt(int frame) const;

private:
    friend class Composer;

    struct Colour
    {
        double mul[4] = {1, 1, 1, 1};
        double add[4] = {0, 0, 0, 0};
    };
    Colour colourChain(int frame) const;

    std::uint16_t m_depth = 0;
    std::uint16_t m_character = 0;
    std::map<int, std::uint16_t> m_swaps;
    std::string m_name;              // placeholder clips only
    std::uint16_t m_clipDepth = 0;   // masks only
    int m_visibleFirst = 0;
    int m_visibleLast = 1 << 30;
    const Element *m_leader = nullptr;
    bool m_takeWash = true;
};

struct ImageOptions
{
    QSizeF size;          // shown size in pixels; empty: the image's own size
    bool lossless = false; // JPEG (with an alpha plane when the image has one) otherwise
    int quality = 88;
};

class Composer
{
public:
    // `slotSizes[i]` is the size in pixels at which the photo of slot i + 1 arrives.
    Composer(int frameCount, std::vector<QSize> slotSizes);

    int frames() const { return m_frames; }
    int last() const { return m_frames - 1; }
    int slotCount() const { return int(m_slotSizes.size()); }
    QSize slotSize(int slot) const;

    void setBackground(QColor colour) { m_background = colour; }

    // The clip at depth 1 that shows the scene picture, full stage, pivot at the stage centre.
    Element &scene() { return m_elements.front(); }
    // One more clip showing the scene picture, on top of everything added so far.
    Element &sceneCopy();
    // A new placeholder clip for the photo of `slot` (1-based), pivot at the photo's centre.
    // A slot may have several clips (strips of one photo); each loads the same picture.
    Element &photo(int slot);

    std::uint16_t defineShape(const swf::writer::ShapeBuilder &shape);
    // A shape showing the image over ImageOptions::size pixels from (0, 0).
    std::uint16_t defineImage(const QImage &image, const ImageOptions &options = {});
    Element &add(std::uint16_t characterId);
    Element &shape(const swf::writer::ShapeBuilder &s) { return add(defineShape(s)); }
    Element &image(const QImage &img, const ImageOptions &options = {}) { return add(defineImage(img, options)); }

    // A mask: everything added until the matching endMask() shows only inside its shape.
    Element &beginMask(std::uint16_t characterId);
    void endMask();

    // The movie: SWF 8, CWS, 1920 × 1080, 25 fps. Throws swf::writer::WriteError on a bad
    // composition (an open mask, a slot without a clip).
    swf::writer::Bytes finish();

private:
    Element &newElement(std::uint16_t character);

    int m_frames;
    std::vector<QSize> m_slotSizes;
    QColor m_background = Qt::black;
    swf::writer::MovieWriter m_movie;
    std::uint16_t m_placeholder = 0;
    std::deque<Element> m_elements;
    std::vector<std::pair<std::string, std::string>> m_loads; // (url, clip name)
    std::vector<Element *> m_openMasks;
    int m_sceneCopies = 0;
    std::map<int, int> m_photoClips; // slot -> clips made
    bool m_finished = false;
};

// Pixels to a twips rectangle.
swf::Rect twips(const QRectF &pixels);
swf::Rgba rgba(const QColor &colour);

} // namespace velumo::author
