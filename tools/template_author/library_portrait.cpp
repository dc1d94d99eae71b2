// Single portrait photos, and single slots that take either orientation.
#include "tools/template_author/library_parts.h"
#include "tools/template_author/pieces.h"
#include "tools/template_author/shapes.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo::author::parts {

namespace {

constexpr Orientation V = Orientation::Portrait;
constexpr Orientation E = Orientation::Either;

// The centre that puts a polaroid (deeper bottom margin) in the middle of the stage.
QPointF polaroidCentre(double border)
{
    return {kStageCentre.x(), kStageCentre.y() - border * 1.2};
}

// Full screen: the portrait rises out of soft warm lights, framed by a fine line.
TemplateDesign portraitGlow()
{
    return {"", u"经典"_s, {{0, 0, V}}, 125, [](Composer &c) {
                Element &bg = backdrop(c, art::bokehBackground(art::creamPalette(), 3));
                sceneRecedes(c, bg, 0, 26, 0.92);
                bg.zoom(0, c.last(), 1.1, 1, Ease::OutSine);
                floatingLights(c, 10, QColor(255, 240, 210), 41, 6, 24, 90);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Line, 14, QColor(255, 250, 236), true, 0.5, 36, {0, 12}});
                f.photo->at(kStageCentre).fade(10, 40, 0, 1);
                f.photo->zoom(10, c.last(), 1.1, 1, Ease::OutSine);
            }};
}

// A polaroid drops onto rose lights and settles with a slight tilt.
TemplateDesign portraitPolaroidDrop()
{
    return {"", u"浪漫"_s, {{600, 800, V}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::bokehBackground(art::rosePalette(), 17));
                sceneRecedes(c, bg, 0, 24, 0.9);
                floatingLights(c, 10, QColor(255, 222, 230), 8, 4, 30, 100);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Polaroid, 26, QColor(252, 250, 244), true, 0.55, 30});
                const QPointF rest = polaroidCentre(26);
                f.photo->move(18, 62, {rest.x() + 120, -700}, rest, Ease::OutCubic);
                f.photo->spin(18, 62, 18, -4, Ease::OutBack);
            }};
}

// The scene is thrown aside; a portrait in a dark wooden frame waits on old paper.
TemplateDesign portraitWoodFrame()
{
    return {"", u"怀旧"_s, {{660, 880, V}}, 150, [](Composer &c) {
                backdrop(c, art::paperBackground(QColor(232, 216, 186), 5));
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Wood, 40, {}, true, 0.6, 34, {10, 16}});
                f.photo->at(kStageCentre).wash(0, 70, QColor(150, 110, 60), 0.45, 0, Ease::InOutSine);
                f.photo->zoom(0, c.last(), 1.06, 1, Ease::OutSine);
                vignette(c, 0.35);
                sceneCardAway(c, 0, 36, {2600, -300}, 0.5, 24);
            }};
}

// The portrait is drawn down from the top onto watercolour.
TemplateDesign portraitWatercolour()
{
    return {"", u"清新"_s, {{720, 960, V}}, 125, [](Composer &c) {
                Element &bg = backdrop(c, art::watercolourBackground(art::rosePalette(), 12));
                sceneRecedes(c, bg, 0, 24, 0.95);
                wipeMask(c, kStageRect, Edge::Top, 20, 62, Ease::InOutSine);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Line, 14, QColor(200, 120, 140), true, 0.3, 24, {6, 10}});
                c.endMask();
                f.photo->at(kStageCentre).zoom(20, c.last(), 1.04, 1, Ease::OutSine);
                const QColor clear(255, 250, 240, 0);
                Element &edge = c.shape(shapes::linearGradient(QRectF(0, -70, kStageWidth, 140),
                                                               {{0, clear}, {0.5, QColor(255, 250, 240, 160)}, {1, clear}}, 90));
                edge.move(20, 62, {0, 0}, {0, double(kStageHeight)}, Ease::InOutSine).visibleDuring(20, 62);
            }};
}

// The new page pushes the scene out to the left.
TemplateDesign portraitPush()
{
    return {"", u"时尚"_s, {{640, 860, V}}, 125, [](Composer &c) {
                c.scene().move(0, 30, kStageCentre, {kStageCentre.x() - kStageWidth, kStageCentre.y()}, Ease::InOutCubic);
                c.scene().visibleDuring(0, 30);
                Element &bg = backdrop(c, art::paperBackground(QColor(240, 236, 228), 9));
                bg.move(0, 30, {kStageCentre.x() + kStageWidth, kStageCentre.y()}, kStageCentre, Ease::InOutCubic);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::White, 20, QColor(255, 255, 255), true, 0.4, 30});
                f.photo->move(0, 40, {kStageCentre.x() + kStageWidth + 300, kStageCentre.y()}, kStageCentre, Ease::OutCubic);
                f.photo->zoom(40, c.last(), 1.03, 1, Ease::InOutSine);
                // Two fine rules frame the layout.
                for (int side = 0; side < 2; ++side) {
                    Element &rule = c.shape(shapes::rect(QRectF(-1.5, -360, 3, 720), QColor(60, 60, 60, 160)));
                    const double x = kStageCentre.x() + (side == 0 ? -480 : 480);
                    rule.at(x, kStageCentre.y()).fade(36, 60, 0, 1);
                    rule.scaleY.key(36, 0.1, Ease::Hold).key(70, 1, Ease::OutCubic);
                }
            }};
}

// Horizontal blinds open onto the framed portrait on ocean silk.
TemplateDesign portraitBlinds()
{
    return {"", u"动感"_s, {{720, 960, V}}, 100, [](Composer &c) {
                c.scene().visibleDuring(0, 36);
                blindsMask(c, kStageRect, 10, false, 0, 36, 0.5);
                backdrop(c, art::silkBackground(art::oceanPalette(), 13));
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::White, 14});
                c.endMask();
                f.photo->at(kStageCentre).zoom(0, c.last(), 1.08, 1, Ease::OutSine);
            }};
}

// A star opens onto a night sky holding the full-screen portrait.
TemplateDesign portraitStar()
{
    return {"", u"梦幻"_s, {{0, 0, V}}, 125, [](Composer &c) {
                c.scene().visibleDuring(0, 48);
                irisMask(c, shapes::starPath({0, 0}, 100, 46, 5), kStageCentre, 0, 48, 0, 34, Ease::InCubic);
                backdrop(c, art::starryBackground(23));
                const art::Sprite g = art::glow(QSizeF(1080, 1080), 40, QColor(170, 190, 255, 130));
                Element &halo = c.image(g.image, {g.rect.size(), false, 88});
                halo.at(QPointF(kPortraitFullScreenLeft, 0) + g.rect.topLeft());
                Element &p = c.photo(1);
                c.endMask();
                p.at(kStageCentre).zoom(0, c.last(), 1.1, 1, Ease::OutSine);
                halo.fade(40, 80, 0, 1);
                floatingLights(c, 10, QColor(210, 220, 255), 4, 30, 14, 44);
            }};
}

// The scene lifts like a lid; a glowing portrait waits on a night backdrop.
TemplateDesign portraitLid()
{
    return {"", u"电影"_s, {{600, 800, V}}, 125, [](Composer &c) {
                backdrop(c, art::silkBackground(art::nightPalette(), 31));
                floatingLights(c, 8, QColor(255, 220, 160), 77, 20, 16, 50);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Line, 18, QColor(226, 196, 130), true, 0.7, 40, {0, 14}});
                f.photo->at(kStageCentre).zoom(0, c.last(), 1.1, 1, Ease::OutSine);
                sceneDoors(c, 4, 40, false);
            }};
}

// Tiles of a warm paper page turn up one by one around a white-bordered portrait.
TemplateDesign portraitTiles()
{
    return {"", u"温馨"_s, {{660, 880, V}}, 150, [](Composer &c) {
                c.scene().visibleDuring(0, 44);
                tilesMask(c, kStageRect, 8, 5, 0, 44, 19);
                backdrop(c, art::paperBackground(QColor(246, 232, 214), 14));
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::White, 20, QColor(255, 253, 248), true, 0.45, 30});
                c.endMask();
                f.photo->at(kStageCentre).turn(2).zoom(0, c.last(), 1.08, 1, Ease::OutSine);
                Element &t = c.image(art::tape({200, 50}, QColor(240, 200, 190), 5), {QSizeF(), true});
                t.follow(*f.photo).pivotAt({100, 25}).at(330, -14).fade(44, 56, 0, 1);
            }};
}

// A diagonal sweep uncovers a gilt-framed portrait; a gleam runs across it.
TemplateDesign portraitDiagonal()
{
    return {"", u"典雅"_s, {{720, 960, V}}, 125, [](Composer &c) {
                c.scene().visibleDuring(0, 42);
                diagonalMask(c, 0, 42);
                backdrop(c, art::silkBackground(art::goldPalette(), 3));
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Gilt, 40, {}, true, 0.7, 36, {10, 18}});
                c.endMask();
                f.photo->at(kStageCentre).zoom(0, c.last(), 1.06, 1, Ease::OutSine);
                lightSweep(c, 58, 96, QColor(255, 244, 220));
            }};
}

// A playful bounce onto a green page, with little stars twinkling around.
TemplateDesign portraitBounce()
{
    return {"", u"童趣"_s, {{600, 800, V}}, 125, [](Composer &c) {
                Element &bg = backdrop(c, art::watercolourBackground(art::forestPalette(), 29));
                sceneRecedes(c, bg, 0, 22, 0.9);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Polaroid, 24, QColor(255, 255, 252), true, 0.4, 26});
                const QPointF rest = polaroidCentre(24);
                f.photo->move(16, 56, {rest.x(), -600}, rest, Ease::OutBounce);
                f.photo->turn(3);
                const QColor colours[] = {QColor(255, 200, 60), QColor(255, 130, 150), QColor(110, 190, 240)};
                const QPointF spots[] = {{520, 260}, {1420, 220}, {460, 820}, {1480, 760}, {600, 520}, {1360, 500}};
                for (int i = 0; i < 6; ++i) {
                    Element &s = c.shape(shapes::path(shapes::starPath({0, 0}, 34, 15, 5), colours[i % 3]));
                    s.at(spots[i]).fade(50 + i * 5, 62 + i * 5, 0, 1).zoom(50 + i * 5, 66 + i * 5, 0.2, 1, Ease::OutBack);
                    s.rotation.key(50 + i * 5, -40, Ease::Hold).key(c.last(), 20 + i * 6, Ease::InOutSine);
                }
            }};
}

// A square print zooms gently out of paper.
TemplateDesign squarePrint()
{
    return {"", u"简约"_s, {{900, 900, E}}, 125, [](Composer &c) {
                Element &bg = backdrop(c, art::paperBackground(QColor(244, 242, 236), 2));
                sceneRecedes(c, bg, 0, 26, 0.94);
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::White, 22, QColor(255, 255, 255), true, 0.35, 34, {0, 14}});
                f.photo->at(kStageCentre).fade(14, 40, 0, 1).zoom(14, 56, 0.86, 1.02, Ease::OutCubic);
                f.photo->zoom(56, c.last(), 1.02, 1, Ease::InOutSine);
            }};
}

// A gilt-framed print revealed by a widening circle.
TemplateDesign framedCircleReveal()
{
    return {"", u"经典"_s, {{960, 720, E}}, 125, [](Composer &c) {
                c.scene().visibleDuring(0, 46);
                irisMask(c, circlePath(100), kStageCentre, 0, 46, 0, 11.4, Ease::InOutCubic);
                backdrop(c, art::silkBackground(art::goldPalette(), 8));
                FramedPhoto f = framedPhoto(c, 1, {FrameStyle::Gilt, 44, {}, true, 0.7, 36, {10, 18}});
                c.endMask();
                f.photo->at(kStageCentre).zoom(0, c.last(), 1.08, 1, Ease::OutSine);
            }};
}

// A round vignette of the photo spins in on rose lights.
TemplateDesign roundSpin()
{
    return {"", u"浪漫"_s, {{880, 880, E}}, 125, [](Composer &c) {
                Element &bg = backdrop(c, art::bokehBackground(art::rosePalette(), 44));
                sceneRecedes(c, bg, 0, 24, 0.9);
                floatingLights(c, 10, QColor(255, 226, 236), 2, 4, 30, 100);
                const QSizeF size(880, 880);
                art::Sprite shade = art::dropShadow(size, 40, 8, 16, 0.55, 440);
                Element &shadow = c.image(shade.image, {shade.rect.size(), false, 80});
                shadow.at(shade.rect.topLeft());
                QPainterPath round;
                round.addEllipse(QRectF(QPointF(0, 0), size));
                Element &mask = c.beginMask(c.defineShape(shapes::path(round, Qt::black)));
                Element &p = c.photo(1);
                c.endMask();
                QPainterPath ring;
                ring.addEllipse(QRectF(-16, -16, 912, 912));
                ring.addEllipse(QRectF(QPointF(0, 0), size));
                Element &border = c.shape(shapes::path(ring, QColor(255, 250, 250)));
                shadow.follow(p, false);
                mask.follow(p);
                border.follow(p);
                p.at(kStageCentre).fade(12, 34, 0, 1);
                p.zoom(12, 56, 0.3, 1, Ease::OutBack).spin(12, 56, -120, 0, Ease::OutCubic);
            }};
}

} // namespace

std::vector<TemplateDesign> portraitSingles()
{
    return {portraitGlow(),  portraitPolaroidDrop(), portraitWoodFrame(), portraitWatercolour(),
            portraitPush(),  portraitBlinds(),       portraitStar(),      portraitLid(),
            portraitTiles(), portraitDiagonal(),     portraitBounce()};
}

std::vector<TemplateDesign> eitherSingles()
{
    return {squarePrint(), framedCircleReveal(), roundSpin()};
}

} // namespace velumo::author::parts
