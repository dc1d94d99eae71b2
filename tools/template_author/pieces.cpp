#include "tools/template_author/pieces.h"

#include "tools/template_author/shapes.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <random>

namespace velumo::author {

namespace {

double clamp01(double t)
{
    return std::clamp(t, 0.0, 1.0);
}

// A stage-sized box whose inscribed ellipse reaches past the corners.
QRectF cornerBox()
{
    return kStageRect.adjusted(-kStageWidth * 0.21, -kStageHeight * 0.21, kStageWidth * 0.21, kStageHeight * 0.21);
}

} // namespace

Element &backdrop(Composer &c, const QImage &image, int quality)
{
    Element &e = c.image(image, {QSizeF(kStageWidth, kStageHeight), false, quality});
    return e.pivotAt(kStageCentre).at(kStageCentre);
}

Element &stageColour(Composer &c, const QColor &colour)
{
    return c.shape(shapes::rect(kStageRect, colour)).pivotAt(kStageCentre).at(kStageCentre);
}

Element &vignette(Composer &c, double strength)
{
    const QColor clear(0, 0, 0, 0);
    const QColor dark(0, 0, 0, int(255 * std::clamp(strength, 0.0, 1.0)));
    return c.shape(shapes::radialGradient(cornerBox(), {{0, clear}, {0.55, clear}, {1, dark}}, kStageRect));
}

Element &attach(Composer &c, const art::Sprite &sprite, const Element &leader, bool lossless)
{
    Element &e = c.image(sprite.image, {sprite.rect.size(), lossless, 88});
    return e.at(sprite.rect.topLeft()).follow(leader);
}

Element &caption(Composer &c, const QImage &text, QPointF centre)
{
    Element &e = c.image(text, {QSizeF(), false, 92});
    return e.pivotAt(QPointF(text.width() / 2.0, text.height() / 2.0)).at(centre);
}

FramedPhoto framedPhoto(Composer &c, int slot, const PhotoLook &look)
{
    const QSizeF size = c.slotSize(slot);
    const QRectF photoRect(QPointF(0, 0), size);
    const double b = look.border;
    QRectF outer = photoRect;
    switch (look.frame) {
    case FrameStyle::None:
    case FrameStyle::Line:
        break;
    case FrameStyle::White:
    case FrameStyle::Gilt:
    case FrameStyle::Wood:
        outer = photoRect.adjusted(-b, -b, b, b);
        break;
    case FrameStyle::Polaroid:
        outer = photoRect.adjusted(-b, -b, b, b * 3.4);
        break;
    }

    FramedPhoto out;
    if (look.shadow) {
        art::Sprite shade = art::dropShadow(outer.size(), look.shadowBlur, look.shadowOffset.x(), look.shadowOffset.y(),
                                            look.shadowOpacity);
        shade.rect.translate(outer.topLeft());
        out.shadow = &c.image(shade.image, {shade.rect.size(), false, 80});
        out.shadow->at(shade.rect.topLeft());
    }
    out.photo = &c.photo(slot);
    switch (look.frame) {
    case FrameStyle::None:
        break;
    case FrameStyle::White:
        out.frame = &c.shape(shapes::ring(photoRect, b, look.colour));
        break;
    case FrameStyle::Polaroid:
        out.frame = &c.shape(shapes::mount(photoRect, b, b, b, b * 3.4, look.colour));
        break;
    case FrameStyle::Gilt:
        out.frame = &attach(c, art::giltFrame(size, b), *out.photo);
        break;
    case FrameStyle::Wood:
        out.frame = &attach(c, art::woodFrame(size, b), *out.photo);
        break;
    case FrameStyle::Line:
        out.frame = &c.shape(shapes::ring(photoRect.adjusted(-b, -b, b, b), 2.5, look.colour));
        break;
    }
    if (out.shadow)
        out.shadow->follow(*out.photo, false);
    if (out.frame)
        out.frame->follow(*out.photo);
    return out;
}

// ------------------------------------------------------------------------------------------ masks

Element &wipeMask(Composer &c, const QRectF &area, Edge from, int start, int end, Ease ease)
{
    const QRectF local(QPointF(0, 0), area.size());
    Element &m = c.beginMask(c.defineShape(shapes::rect(local, Qt::black)));
    switch (from) {
    case Edge::Left:
        m.pivotAt({0, 0}).at(area.topLeft());
        m.scaleX.tween(start, end, kClosedScale, 1, ease);
        break;
    case Edge::Right:
        m.pivotAt({area.width(), 0}).at(area.topRight());
        m.scaleX.tween(start, end, kClosedScale, 1, ease);
        break;
    case Edge::Top:
        m.pivotAt({0, 0}).at(area.topLeft());
        m.scaleY.tween(start, end, kClosedScale, 1, ease);
        break;
    case Edge::Bottom:
        m.pivotAt({0, area.height()}).at(area.bottomLeft());
        m.scaleY.tween(start, end, kClosedScale, 1, ease);
        break;
    }
    return m;
}

Element &irisMask(Composer &c, const QPainterPath &shape, QPointF centre, int start, int end, double fromScale,
                  double toScale, Ease ease)
{
    Element &m = c.beginMask(c.defineShape(shapes::path(shape, Qt::black)));
    m.at(centre).zoom(start, end, std::max(fromScale, kClosedScale), std::max(toScale, kClosedScale), ease);
    return m;
}

Element &animatedMask(Composer &c, int start, int end, const std::function<std::vector<QPolygonF>(double t)> &pieces)
{
    auto define = [&](const std::vector<QPolygonF> &list) {
        // An empty mask still needs an outline: a pixel far off stage hides everything.
        if (list.empty())
            return c.defineShape(shapes::rect(QRectF(-50, -50, 1, 1), Qt::black));
        return c.defineShape(shapes::polygons(list, Qt::black, true));
    };
    std::vector<QPolygonF> previous = pieces(0);
    Element &m = c.beginMask(define(previous));
    for (int frame = start + 1; frame <= end; ++frame) {
        std::vector<QPolygonF> now = pieces(clamp01(double(frame - start) / std::max(1, end - start)));
        if (now == previous)
            continue;
        m.swapCharacter(frame, define(now));
        previous = std::move(now);
    }
    return m;
}

Element &blindsMask(Composer &c, const QRectF &area, int count, bool vertical, int start, int end, double stagger)
{
    return animatedMask(c, start, end, [=](double t) {
        std::vector<QPolygonF> out;
        const double pitch = (vertical ? area.width() : area.height()) / count;
        for (int i = 0; i < count; ++i) {
            const double delay = count > 1 ? stagger * i / (count - 1) : 0;
            const double open = applyEase(Ease::InOutCubic, clamp01((t - delay) / (1 - stagger)));
            if (open <= 0)
                continue;
            // Full strips overlap by a pixel so that no seam shows.
            const double w = open >= 1 ? pitch + 1 : pitch * open;
            const double mid = (i + 0.5) * pitch;
            const QRectF r = vertical ? QRectF(area.left() + mid - w / 2, area.top(), w, area.height())
                                      : QRectF(area.left(), area.top() + mid - w / 2, area.width(), w);
            out.push_back(QPolygonF(r));
        }
        return out;
    });
}

Element &tilesMask(Composer &c, const QRectF &area, int columns, int rows, int start, int end, unsigned seed)
{
    std::vector<int> order(std::size_t(columns * rows));
    std::iota(order.begin(), order.end(), 0);
    std::shuffle(order.begin(), order.end(), std::mt19937(seed));
    return animatedMask(c, start, end, [=](double t) {
        std::vector<QPolygonF> out;
        const double w = area.width() / columns;
        const double h = area.height() / rows;
        const double n = double(order.size());
        for (std::size_t k = 0; k < order.size(); ++k) {
            const double delay = 0.6 * k / n;
            const double grow = applyEase(Ease::OutCubic, clamp01((t - delay) / 0.4));
            if (grow <= 0)
                continue;
            const int index = order[k];
            const QPointF centre(area.left() + (index % columns + 0.5) * w, area.top() + (index / columns + 0.5) * h);
            const double gw = grow >= 1 ? w + 1 : w * grow;
            const double gh = grow >= 1 ? h + 1 : h * grow;
            out.push_back(QPolygonF(QRectF(centre.x() - gw / 2, centre.y() - gh / 2, gw, gh)));
        }
        return out;
    });
}

Element &clockMask(Composer &c, const QRectF &area, int start, int end)
{
    return animatedMask(c, start, end, [=](double t) {
        std::vector<QPolygonF> out;
        const double sweep = 360 * applyEase(Ease::InOutSine, t);
        if (sweep <= 0.01)
            return out;
        if (sweep >= 359.99) {
            out.push_back(QPolygonF(area.adjusted(-1, -1, 1, 1)));
            return out;
        }
        const QPointF centre = area.center();
        const double radius = std::hypot(area.width(), area.height());
        // The wedge covers the area to its corners; a point every 10° keeps the edge straight
        // inside the area because the arc lies far outside it.
        QPolygonF wedge;
        wedge << centre;
        for (double a = 0; a < sweep; a += 10) {
            const double rad = (a - 90) * std::numbers::pi / 180;
            wedge << centre + QPointF(std::cos(rad), std::sin(rad)) * radius;
        }
        const double rad = (sweep - 90) * std::numbers::pi / 180;
        wedge << centre + QPointF(std::cos(rad), std::sin(rad)) * radius;
        out.push_back(wedge);
        return out;
    });
}

Element &diagonalMask(Composer &c, int start, int end, bool downRight)
{
    // A huge rectangle whose right edge is the leading edge, tilted and slid across.
    Element &m = c.beginMask(c.defineShape(shapes::rect(QRectF(-4000, -2000, 4000, 4000), Qt::black)));
    const double tilt = downRight ? 22 : -22;
    const double reach = kStageHeight / 2.0 * std::tan(22 * std::numbers::pi / 180) + 20;
    m.turn(tilt).move(start, end, {-reach, kStageHeight / 2.0}, {kStageWidth + reach, kStageHeight / 2.0});
    return m;
}

// ------------------------------------------------------------------------------------ scene moves

void sceneDoors(Composer &c, int start, int end, bool vertical)
{
    c.scene().visibleDuring(0, 0);
    const double w = vertical ? kStageWidth / 2.0 : kStageWidth;
    const double h = vertical ? kStageHeight : kStageHeight / 2.0;
    for (int half = 0; half < 2; ++half) {
        const QRectF leaf(half == 1 && vertical ? w : 0, half == 1 && !vertical ? h : 0, w, h);
        Element &mask = c.beginMask(c.defineShape(shapes::rect(leaf, Qt::black)));
        Element &copy = c.sceneCopy();
        // A shadow at the inner edge sells the depth as the leaves part.
        const QRectF edge = vertical ? QRectF(half == 0 ? w - 60 : w, 0, 60, h) : QRectF(0, half == 0 ? h - 60 : h, w, 60);
        const QColor clear(0, 0, 0, 0);
        const QColor dark(0, 0, 0, 120);
        const double angle = vertical ? 0 : 90;
        const shapes::Stops stops = half == 0 ? shapes::Stops{{0, clear}, {1, dark}} : shapes::Stops{{0, dark}, {1, clear}};
        Element &shade = c.shape(shapes::linearGradient(edge, stops, angle));
        c.endMask();
        mask.follow(copy);
        shade.follow(copy);
        shade.fade(start, start + 8, 0, 1);
        const double sign = half == 0 ? -1 : 1;
        const QPointF away = vertical ? QPointF(kStageCentre.x() + sign * (w + 40), kStageCentre.y())
                                      : QPointF(kStageCentre.x(), kStageCentre.y() + sign * (h + 40));
        copy.move(start, end, kStageCentre, away, Ease::InOutCubic);
        copy.visibleDuring(0, end);
    }
}

void sceneCardAway(Composer &c, int start, int end, QPointF target, double toScale, double toRotation)
{
    c.scene().visibleDuring(0, 0);
    const QSizeF size(kStageWidth, kStageHeight);
    art::Sprite shade = art::dropShadow(size + QSizeF(60, 60), 60, 18, 26, 0.6);
    shade.rect.translate(-30, -30);
    Element &shadow = c.image(shade.image, {shade.rect.size(), false, 80});
    shadow.at(shade.rect.topLeft());
    Element &card = c.sceneCopy();
    Element &border = c.shape(shapes::ring(QRectF(QPointF(0, 0), size), 30, QColor(250, 250, 246)));
    shadow.follow(card, false);
    border.follow(card);
    card.move(start, end, kStageCentre, target, Ease::InOutCubic);
    card.zoom(start, end, 1, toScale, Ease::InOutCubic);
    card.spin(start, end, 0, toRotation, Ease::InOutCubic);
    card.visibleDuring(0, end);
}

void sceneStripsAway(Composer &c, int start, int end, int count, bool vertical)
{
    c.scene().visibleDuring(0, 0);
    const double pitch = (vertical ? kStageWidth : kStageHeight) / double(count);
    const int span = end - start;
    for (int i = 0; i < count; ++i) {
        const QRectF strip = vertical ? QRectF(i * pitch, 0, pitch + 1, kStageHeight) : QRectF(0, i * pitch, kStageWidth, pitch + 1);
        Element &mask = c.beginMask(c.defineShape(shapes::rect(strip, Qt::black)));
        Element &copy = c.sceneCopy();
        c.endMask();
        mask.follow(copy);
        const int s = start + int(0.35 * span * i / std::max(1, count - 1));
        const int e = s + int(0.65 * span);
        const double sign = i % 2 == 0 ? -1 : 1;
        const QPointF away = vertical ? kStageCentre + QPointF(0, sign * (kStageHeight + 60))
                                      : kStageCentre + QPointF(sign * (kStageWidth + 60), 0);
        copy.move(s, e, kStageCentre, away, Ease::InCubic);
        copy.visibleDuring(0, e);
    }
}

// ------------------------------------------------------------------------------------------ light

void floatingLights(Composer &c, int count, const QColor &colour, unsigned seed, int start, double minSize, double maxSize)
{
    std::mt19937 engine(seed);
    auto dice = [&](double lo, double hi) { return std::uniform_real_distribution<double>(lo, hi)(engine); };
    const QImage light = art::softLight(96, colour);
    const std::uint16_t id = c.defineImage(light, {QSizeF(96, 96), true, 90});
    for (int i = 0; i < count; ++i) {
        Element &e = c.add(id);
        const double size = dice(minSize, maxSize);
        const double x = dice(0, kStageWidth);
        const double y = dice(80, kStageHeight + 40);
        const double rise = dice(120, 320) * c.frames() / 125.0;
        e.pivotAt({48, 48}).scale(size / 96);
        e.move(start, c.last(), {x, y}, {x + dice(-60, 60), y - rise}, Ease::Linear);
        const int in = start + int(dice(0, 30));
        const double peak = dice(0.35, 0.85);
        e.fade(in, in + 25, 0, peak);
        // A slow twinkle after fading in.
        const int period = int(dice(30, 60));
        for (int f = in + 25 + period; f < c.last(); f += period)
            e.alpha.key(f, peak * ((f / period) % 2 ? 0.55 : 1.0), Ease::InOutSine);
    }
}

void lightSweep(Composer &c, int start, int end, const QColor &colour)
{
    QColor clear = colour;
    clear.setAlpha(0);
    QColor bright = colour;
    bright.setAlpha(110);
    Element &bar = c.shape(shapes::linearGradient(QRectF(-260, -1400, 520, 2800), {{0, clear}, {0.5, bright}, {1, clear}}));
    bar.turn(18).move(start, end, {-500, kStageHeight / 2.0}, {kStageWidth + 500, kStageHeight / 2.0}, Ease::InOutSine);
    bar.visibleDuring(start, end);
}

void flash(Composer &c, int start, int peak, int end, const QColor &colour, double strength)
{
    Element &f = stageColour(c, colour);
    f.alpha.key(start, 0, Ease::Hold).key(peak, strength, Ease::InQuad).key(end, 0, Ease::OutQuad);
    f.visibleDuring(start, end);
}

void sceneRecedes(Composer &c, Element &cover, int start, int end, double toScale)
{
    c.scene().zoom(start, end, 1, toScale, Ease::InOutSine).visibleDuring(0, end);
    cover.fade(start, end, 0, 1, Ease::InOutSine);
}

QPainterPath circlePath(double radius)
{
    QPainterPath p;
    p.addEllipse(QPointF(0, 0), radius, radius);
    return p;
}

void letterbox(Composer &c, int start, int end, double barHeight)
{
    Element &top = c.shape(shapes::rect(QRectF(0, 0, kStageWidth, barHeight), Qt::black));
    Element &bottom = c.shape(shapes::rect(QRectF(0, 0, kStageWidth, barHeight), Qt::black));
    top.move(start, end, {0, -barHeight}, {0, 0}, Ease::OutCubic);
    bottom.move(start, end, {0, double(kStageHeight)}, {0, kStageHeight - barHeight}, Ease::OutCubic);
}

} // namespace velumo::author
