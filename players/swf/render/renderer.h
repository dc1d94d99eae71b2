#pragma once

#include "players/swf/model.h"
#include "players/swf/render/bitmap_cache.h"
#include "players/swf/render/shape_cache.h"
#include "players/swf/render/still_image_cache.h"
#include "players/swf/render_tree.h"

#include <QImage>
#include <QPainterPath>
#include <QTransform>

#include <optional>
#include <vector>

class QPainter;

namespace velumo::swf {

// Paints render trees into images. Keeps the Qt paths of shapes and converted bitmaps between
// frames, so one Renderer should paint all frames of a movie. Not thread-safe.
class Renderer
{
public:
    // Fills `target` (any size; RGB32 or ARGB32 premultiplied) with the movie's background and
    // paints `root`, whose coordinates are stage twips, fitted to the target with the ShowAll
    // scale mode. Content outside the stage shows in the bands. The ShapeDefs that `root`
    // refers to are cached by address: call clearCache() before their movie goes away.
    void paint(QImage &target, const RenderNode &root, const Movie &movie);
    // The same, but only the pixels inside `region`: painting a frame region by region gives
    // exactly the pixels of painting it whole.
    void paintRegion(QImage &target, const RenderNode &root, const Movie &movie, const QRect &region);
    void clearCache();

    std::size_t cachedBitmapCount() const { return m_bitmaps.size(); }
    std::size_t stillImageCount() const { return m_stills.size(); }

private:
    struct Mask
    {
        const RenderNode *node = nullptr;
        QTransform parent; // the mask's parent space -> device
        std::optional<QPainterPath> united; // device space, for masks of several pieces
    };
    struct MaskPiece
    {
        const QPainterPath *path = nullptr; // nullptr: the rectangle of `picture`
        const QImage *picture = nullptr;
        QTransform transform;
    };
    struct Tint;

    void drawNode(const RenderNode &node, const QTransform &parent, const ColorTransform &parentCx);
    void drawChildren(const std::vector<RenderNode> &children, const QTransform &t, const ColorTransform &cx);
    void drawShape(const ShapeDef &shape, const QTransform &t, const Tint &tint);
    void drawFill(const CachedFill &fill, const QTransform &t, const Tint &tint);
    void drawStroke(const CachedStroke &stroke, const QTransform &t, const Tint &tint);
    void drawPicture(const QImage &picture, const QTransform &t, const Tint &tint);
    // `device`: image pixels -> device pixels.
    void drawTransformedImage(const QImage &image, const QTransform &device, bool smooth);
    void applyMask(Mask &mask);
    void collectMaskPieces(const RenderNode &node, const QTransform &parent);
    const QImage *bitmap(std::uint16_t id, const Tint &tint);
    QBrush bitmapBrush(const FillStyle &style, const Tint &tint);

    ShapeCache m_shapes;
    BitmapCache m_bitmaps;
    StillImageCache m_stills;
    // Per paint; members so that frames reuse their storage.
    QPainter *m_painter = nullptr;
    const Movie *m_movie = nullptr;
    QRect m_area; // what this paint may change
    std::vector<Mask> m_masks;
    std::vector<MaskPiece> m_maskPieces;
};

} // namespace velumo::swf
