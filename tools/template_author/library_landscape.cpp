// Single landscape photos.
#include "tools/template_author/library_parts.h"
#include "tools/template_author/pieces.h"
#include "tools/template_author/shapes.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo::author::parts {

namespace {

constexpr Orientation H = Orientation::Landscape;

// Full screen: the scene dissolves into the photo, which settles from a slow push-in.
TemplateDesign dissolveKenBurns()
{
    return {"", u"经典"_s, {{0, 0, H}}, 125, [](Composer &c) {
                c.scene().zoom(0, 40, 1, 1.06, Ease::InOutSine).visibleDuring(0, 40);
                Element &p = c.photo(1);
                p.at(kStageCentre).fade(0, 40, 0, 1, Ease::InOutSine);
                p.zoom(0, c.last(), 1.16, 1, Ease::OutSine);
                p.x.tween(0, c.last(), kStageCentre.x() + 70, kStageCentre.x(), Ease::OutSine);
                vignette(c, 0.35).fade(30, 80, 0, 1);
            }};
}

// A white-bordered photo floats down onto rose-coloured lights.
TemplateDesign roseFloat()
{
    return {"", u"浪漫"_s, {{1280, 720, H}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::bokehBackground(art::rosePalette(), 11));
                sceneRecedes(c, bg, 0, 28, 0.9);
                bg.zoom(0, c.last(), 1.08, 1, Ease::OutSine);
                floatingLights(c, 12, QColor(255, 224, 232), 5, 8, 30, 110);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::White, 18});
                f.photo->at(kStageCentre.x(), kStageCentre.y() - 8);
                f.photo->fade(14, 40, 0, 1);
                f.photo->zoom(14, 62, 0.6, 1.05, Ease::OutCubic).zoom(62, c.last(), 1.05, 1, Ease::InOutSine);
                f.photo->spin(14, 62, -9, 0, Ease::OutCubic);
                f.photo->y.tween(14, 62, kStageCentre.y() - 160, kStageCentre.y() - 8, Ease::OutCubic);
            }};
}

// The scene opens like two doors onto the photo; a light passes over it.
TemplateDesign doorsOpen()
{
    return {"", u"时尚"_s, {{0, 0, H}}, 125, [](Composer &c) {
                Element &p = c.photo(1);
                p.at(kStageCentre).zoom(0, c.last(), 1.14, 1, Ease::OutSine);
                lightSweep(c, 48, 88);
                sceneDoors(c, 4, 40, true);
            }};
}

// The scene is tossed away like a print; a polaroid slides onto a wooden table.
TemplateDesign polaroidTable()
{
    return {"", u"怀旧"_s, {{1050, 700, H}}, 150, [](Composer &c) {
                backdrop(c, art::woodBackground(3));
                vignette(c, 0.25);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Polaroid, 30, QColor(250, 248, 240), true, 0.6, 34});
                const QPointF rest(kStageCentre.x(), kStageCentre.y() - 36);
                f.photo->move(22, 66, {1700, -420}, rest, Ease::OutCubic);
                f.photo->spin(22, 66, 16, -2.5, Ease::OutBack);
                f.photo->zoom(22, 66, 1.12, 1.0, Ease::OutCubic);
                // Tape holds the print down.
                for (int side = 0; side < 2; ++side) {
                    Element &t = c.image(art::tape({190, 46}, QColor(236, 226, 196), 40 + side), {QSizeF(), true});
                    t.follow(*f.photo).pivotAt({95, 23});
                    t.at(side == 0 ? QPointF(40, -18) : QPointF(1010, -18)).turn(side == 0 ? -32 : 30);
                    t.fade(66, 76, 0, 1);
                }
                sceneCardAway(c, 0, 34, {-560, 1380}, 0.42, -28);
            }};
}

// A gilded frame on dusk silk, revealed by an opening iris.
TemplateDesign giltIris()
{
    return {"", u"典雅"_s, {{1200, 675, H}}, 150, [](Composer &c) {
                c.scene().visibleDuring(0, 50);
                irisMask(c, circlePath(100), kStageCentre, 2, 50, 0, 11.4, Ease::InOutCubic);
                backdrop(c, art::silkBackground(art::duskPalette(), 21)).zoom(2, c.last(), 1.1, 1, Ease::OutSine);
                floatingLights(c, 10, QColor(255, 226, 170), 31, 40, 20, 70);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Gilt, 46, {}, true, 0.7, 40, {12, 20}});
                f.photo->at(kStageCentre).zoom(2, c.last(), 1.1, 1, Ease::OutSine);
                c.endMask();
                lightSweep(c, 70, 112, QColor(255, 240, 210));
            }};
}

// Vertical blinds open one after another onto the full-screen photo.
TemplateDesign blinds()
{
    return {"", u"动感"_s, {{0, 0, H}}, 100, [](Composer &c) {
                c.scene().visibleDuring(0, 36);
                blindsMask(c, kStageRect, 12, true, 0, 36, 0.55);
                Element &p = c.photo(1);
                c.endMask();
                p.at(kStageCentre).zoom(0, c.last(), 1.12, 1, Ease::OutSine);
            }};
}

// Fade through black into a slow cinematic pan, framed by wide-screen bars.
TemplateDesign cinema()
{
    return {"", u"电影"_s, {{0, 0, H}}, 150, [](Composer &c) {
                Element &black = stageColour(c, Qt::black);
                sceneRecedes(c, black, 0, 22, 1.04);
                Element &p = c.photo(1);
                p.fade(20, 55, 0, 1, Ease::InOutSine);
                p.zoom(20, c.last(), 1.14, 1, Ease::InOutSine);
                p.move(20, c.last(), {kStageCentre.x() + 110, kStageCentre.y() + 30}, kStageCentre, Ease::InOutSine);
                letterbox(c, 30, 64, 96);
            }};
}

// A wipe with a soft light along its edge brings a framed photo onto watercolour.
TemplateDesign watercolourWipe()
{
    return {"", u"清新"_s, {{1280, 853, H}}, 125, [](Composer &c) {
                Element &bg = backdrop(c, art::watercolourBackground(art::forestPalette(), 7));
                sceneRecedes(c, bg, 0, 26, 0.95);
                wipeMask(c, kStageRect, Edge::Left, 24, 66, Ease::InOutSine);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Line, 16, QColor(120, 150, 110), true, 0.35, 26, {6, 10}});
                c.endMask();
                f.photo->at(kStageCentre).zoom(24, c.last(), 1.04, 1, Ease::OutSine);
                const QColor clear(255, 255, 240, 0);
                Element &edge = c.shape(shapes::linearGradient(QRectF(-90, 0, 180, kStageHeight),
                                                               {{0, clear}, {0.5, QColor(255, 255, 240, 150)}, {1, clear}}));
                edge.move(24, 66, {0, 0}, {double(kStageWidth), 0}, Ease::InOutSine).visibleDuring(24, 66);
            }};
}

// A heart opens from the middle onto the photo, with drifting lights.
TemplateDesign heartIris()
{
    return {"", u"梦幻"_s, {{0, 0, H}}, 125, [](Composer &c) {
                c.scene().visibleDuring(0, 50);
                irisMask(c, shapes::heartPath(QRectF(-100, -95, 200, 180)), kStageCentre, 0, 50, 0, 24, Ease::InCubic);
                Element &p = c.photo(1);
                c.endMask();
                p.at(kStageCentre).zoom(0, c.last(), 1.16, 1, Ease::OutSine);
                floatingLights(c, 14, QColor(255, 210, 226), 77, 30, 24, 80);
            }};
}

// Tiles of the photo light up over a starry night; the photo keeps a soft glow.
TemplateDesign starryTiles()
{
    return {"", u"星空"_s, {{1440, 810, H}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::starryBackground(4));
                sceneRecedes(c, bg, 0, 26, 0.92);
                floatingLights(c, 8, QColor(200, 210, 255), 12, 10, 16, 50);
                const QSizeF size(1440, 810);
                const double grow = 1.03;
                const QRectF area(kStageCentre.x() - size.width() * grow / 2, kStageCentre.y() - size.height() * grow / 2,
                                  size.width() * grow, size.height() * grow);
                const art::Sprite g = art::glow(size, 44, QColor(190, 205, 255, 150));
                Element &halo = c.image(g.image, {g.rect.size(), false, 88});
                halo.at(QPointF(kStageCentre.x() - size.width() / 2, kStageCentre.y() - size.height() / 2) + g.rect.topLeft());
                halo.fade(62, 90, 0, 1);
                tilesMask(c, area, 8, 5, 24, 70, 5);
                Element &p = c.photo(1);
                c.endMask();
                p.at(kStageCentre).zoom(24, c.last(), grow, 1, Ease::OutSine);
            }};
}

// A clock hand sweeps the photo in.
TemplateDesign clockSweep()
{
    return {"", u"光影"_s, {{0, 0, H}}, 100, [](Composer &c) {
                c.scene().visibleDuring(0, 44);
                clockMask(c, kStageRect, 0, 44);
                Element &p = c.photo(1);
                c.endMask();
                p.at(kStageCentre).zoom(0, c.last(), 1.1, 1, Ease::OutSine);
                const QColor clear(255, 255, 255, 0);
                Element &hand = c.shape(shapes::linearGradient(QRectF(-14, -1200, 28, 1200),
                                                               {{0, clear}, {0.5, QColor(255, 255, 250, 170)}, {1, clear}}));
                hand.at(kStageCentre).visibleDuring(1, 43);
                hand.rotation.key(0, 0, Ease::Hold).key(44, 360, Ease::InOutSine);
            }};
}

// The scene turns over like a card and the framed photo turns up on its back.
TemplateDesign cardFlip()
{
    return {"", u"翻转"_s, {{1280, 720, H}}, 125, [](Composer &c) {
                backdrop(c, art::bokehBackground(art::oceanPalette(), 8));
                floatingLights(c, 10, QColor(210, 240, 255), 15, 0, 24, 80);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::White, 16});
                f.photo->at(kStageCentre);
                f.photo->scaleX.key(20, kClosedScale, Ease::Hold).key(44, 1, Ease::OutCubic);
                f.photo->scaleY.key(20, 0.86, Ease::Hold).key(44, 1, Ease::OutCubic);
                f.photo->wash(20, 44, Qt::black, 0.5, 0, Ease::OutCubic);
                f.photo->visibleDuring(20, c.last());
                c.scene().visibleDuring(0, 0);
                Element &s = c.sceneCopy();
                s.scaleX.key(0, 1, Ease::Hold).key(20, kClosedScale, Ease::InCubic);
                s.scaleY.key(0, 1, Ease::Hold).key(20, 0.86, Ease::InCubic);
                s.wash(0, 20, Qt::black, 0, 0.5, Ease::InCubic);
                s.visibleDuring(0, 19);
            }};
}

} // namespace

std::vector<TemplateDesign> landscapeSingles()
{
    return {dissolveKenBurns(), roseFloat(),  doorsOpen(),  polaroidTable(), giltIris(),   blinds(),
            cinema(),           watercolourWipe(), heartIris(), starryTiles(), clockSweep(), cardFlip()};
}

} // namespace velumo::author::parts
