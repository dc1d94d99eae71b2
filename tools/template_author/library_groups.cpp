// Templates with two to four photos.
#include "tools/template_author/library_parts.h"
#include "tools/template_author/pieces.h"
#include "tools/template_author/shapes.h"

#include <array>

using namespace Qt::Literals::StringLiterals;

namespace velumo::author::parts {

namespace {

constexpr Orientation H = Orientation::Landscape;
constexpr Orientation V = Orientation::Portrait;

struct Pose
{
    double x = 0;
    double y = 0;
    double rotation = 0;
};

// Polaroids dropped one after another onto the table, each landing at its pose.
void dropPrints(Composer &c, const std::vector<Pose> &poses, const PhotoLook &look, int first, int spacing, int fall)
{
    for (std::size_t i = 0; i < poses.size(); ++i) {
        const Pose &p = poses[i];
        FramedPhoto f = framedPhoto(c, int(i + 1), look);
        const int start = first + int(i) * spacing;
        // From beyond the nearest top corner, turning as they fall.
        const double fromX = p.x < kStageCentre.x() ? p.x - 500 : p.x + 500;
        f.photo->move(start, start + fall, {fromX, -900}, {p.x, p.y}, Ease::OutCubic);
        f.photo->spin(start, start + fall, p.rotation + (p.x < kStageCentre.x() ? -24 : 24), p.rotation, Ease::OutBack);
        f.photo->zoom(start, start + fall, 1.15, 1, Ease::OutCubic);
    }
}

// A strip of film (dark band with sprocket holes) `length` × `height`, origin top-left.
std::uint16_t filmStrip(Composer &c, double length, double height)
{
    QPainterPath strip;
    strip.addRect(QRectF(0, 0, length, height));
    const double hole = 22;
    for (double x = 14; x + hole < length - 6; x += 46) {
        strip.addRoundedRect(QRectF(x, 16, hole, 26), 5, 5);
        strip.addRoundedRect(QRectF(x, height - 42, hole, 26), 5, 5);
    }
    return c.defineShape(shapes::path(strip, QColor(18, 18, 20)));
}

// ---------------------------------------------------------------------------- two landscapes

TemplateDesign twoSideBySide()
{
    return {"", u"简约"_s, {{860, 573, H}, {860, 573, H}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::paperBackground(QColor(242, 238, 230), 31));
                sceneRecedes(c, bg, 0, 24, 0.94);
                const PhotoLook look{FrameStyle::White, 16, QColor(255, 255, 255), true, 0.35, 28};
                FramedPhoto a = framedPhoto(c, 1, look);
                FramedPhoto b = framedPhoto(c, 2, look);
                a.photo->move(14, 56, {-700, kStageCentre.y()}, {490, kStageCentre.y()}, Ease::OutCubic);
                b.photo->move(24, 66, {kStageWidth + 700.0, kStageCentre.y()}, {1430, kStageCentre.y()}, Ease::OutCubic);
                a.photo->zoom(56, c.last(), 1.03, 1, Ease::InOutSine);
                b.photo->zoom(66, c.last(), 1.03, 1, Ease::InOutSine);
            }};
}

TemplateDesign twoPolaroids()
{
    return {"", u"怀旧"_s, {{900, 600, H}, {900, 600, H}}, 175, [](Composer &c) {
                Element &bg = backdrop(c, art::woodBackground(17));
                sceneRecedes(c, bg, 0, 22, 0.92);
                vignette(c, 0.25).fade(0, 22, 0, 1);
                dropPrints(c, {{680, 440, -6}, {1250, 620, 5}}, {FrameStyle::Polaroid, 24, QColor(250, 248, 240), true, 0.6, 30},
                           16, 36, 44);
            }};
}

TemplateDesign pictureInPicture()
{
    return {"", u"电影"_s, {{0, 0, H}, {800, 450, H}}, 175, [](Composer &c) {
                c.scene().zoom(0, 36, 1, 1.05, Ease::InOutSine).visibleDuring(0, 36);
                Element &p1 = c.photo(1);
                p1.at(kStageCentre).fade(0, 36, 0, 1).zoom(0, c.last(), 1.14, 1, Ease::OutSine);
                vignette(c, 0.35).fade(20, 60, 0, 1);
                FramedPhoto f = framedPhoto(c, 2, {FrameStyle::White, 12, QColor(255, 255, 255), true, 0.6, 30});
                f.photo->move(70, 108, {kStageWidth + 500.0, 740}, {1390, 740}, Ease::OutCubic);
                f.photo->spin(70, 108, 10, 0, Ease::OutCubic);
            }};
}

TemplateDesign filmTwo()
{
    return {"", u"动感"_s, {{800, 533, H}, {800, 533, H}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::silkBackground(art::nightPalette(), 5));
                sceneRecedes(c, bg, 0, 20, 0.9);
                const double height = 533 + 140;
                const double length = 2 * 880 + 80;
                art::Sprite shade = art::dropShadow({length, height}, 40, 0, 18, 0.6);
                Element &shadow = c.image(shade.image, {shade.rect.size(), false, 80});
                Element &strip = c.add(filmStrip(c, length, height));
                strip.pivotAt({length / 2, height / 2});
                shadow.at(shade.rect.topLeft()).follow(strip, false);
                for (int i = 0; i < 2; ++i)
                    c.photo(i + 1).follow(strip).at(40 + 440 + i * 880, height / 2);
                strip.move(8, 64, {kStageCentre.x() + 2000, kStageCentre.y()}, kStageCentre, Ease::OutCubic);
                strip.spin(8, 64, -4, 0, Ease::OutCubic);
                lightSweep(c, 80, 120, QColor(255, 255, 255));
            }};
}

TemplateDesign diagonalSplit()
{
    return {"", u"时尚"_s, {{0, 0, H}, {0, 0, H}}, 150, [](Composer &c) {
                c.scene().visibleDuring(0, 48);
                const QPolygonF left({QPointF(-20, -20), QPointF(1150, -20), QPointF(770, 1100), QPointF(-20, 1100)});
                const QPolygonF right({QPointF(1150, -20), QPointF(1940, -20), QPointF(1940, 1100), QPointF(770, 1100)});
                const std::array<QPolygonF, 2> parts = {left, right};
                for (int i = 0; i < 2; ++i) {
                    const double sign = i == 0 ? -1 : 1;
                    Element &m = c.beginMask(c.defineShape(shapes::polygons({parts[std::size_t(i)]}, Qt::black)));
                    Element &p = c.photo(i + 1);
                    c.endMask();
                    const int start = i * 10;
                    m.move(start, start + 38, {sign * 1300, 0}, {0, 0}, Ease::InOutCubic);
                    p.at(kStageCentre).x.tween(start, start + 38, kStageCentre.x() + sign * 500, kStageCentre.x(), Ease::InOutCubic);
                    p.zoom(start, c.last(), 1.12, 1, Ease::OutSine);
                }
                // A white seam along the cut once both halves are in.
                Element &seam = c.shape(shapes::polygons({QPolygonF({QPointF(1145, -20), QPointF(1155, -20), QPointF(775, 1100),
                                                                     QPointF(765, 1100)})},
                                                         QColor(255, 255, 255, 230)));
                seam.fade(44, 58, 0, 1);
            }};
}

TemplateDesign stackedPair()
{
    return {"", u"浪漫"_s, {{1200, 675, H}, {720, 405, H}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::bokehBackground(art::oceanPalette(), 27));
                sceneRecedes(c, bg, 0, 24, 0.9);
                floatingLights(c, 8, QColor(220, 240, 255), 6, 6, 24, 80);
                FramedPhoto back = framedPhoto(c, 1, {FrameStyle::White, 16});
                FramedPhoto front = framedPhoto(c, 2, {FrameStyle::White, 14, QColor(255, 255, 255), true, 0.65, 30});
                back.photo->at(800, 450).fade(12, 36, 0, 1).zoom(12, 60, 0.8, 1.02, Ease::OutCubic).zoom(60, c.last(), 1.02, 1);
                front.photo->move(48, 90, {1420, 1500}, {1420, 750}, Ease::OutCubic);
                front.photo->spin(48, 90, 12, 3, Ease::OutBack);
            }};
}

// -------------------------------------------------------------------- three or four landscapes

TemplateDesign threePrintsRow()
{
    return {"", u"怀旧"_s, {{560, 373, H}, {560, 373, H}, {560, 373, H}}, 175, [](Composer &c) {
                Element &bg = backdrop(c, art::woodBackground(23));
                sceneRecedes(c, bg, 0, 22, 0.92);
                vignette(c, 0.25).fade(0, 22, 0, 1);
                dropPrints(c, {{370, 520, -4}, {960, 500, 3}, {1550, 530, -2}},
                           {FrameStyle::Polaroid, 18, QColor(250, 248, 240), true, 0.55, 24}, 14, 26, 40);
            }};
}

TemplateDesign magazine()
{
    return {"", u"简约"_s, {{1100, 620, H}, {640, 360, H}, {640, 360, H}}, 175, [](Composer &c) {
                Element &bg = backdrop(c, art::paperBackground(QColor(246, 244, 240), 8));
                sceneRecedes(c, bg, 0, 22, 0.95);
                const PhotoLook look{FrameStyle::None, 0, {}, true, 0.3, 22, {4, 8}};
                const QPointF centres[] = {{630, 540}, {1550, 350}, {1550, 730}};
                const QSizeF sizes[] = {{1100, 620}, {640, 360}, {640, 360}};
                const Edge edges[] = {Edge::Left, Edge::Top, Edge::Bottom};
                for (int i = 0; i < 3; ++i) {
                    const int start = 16 + i * 22;
                    const QRectF area(centres[i] - QPointF(sizes[i].width() / 2 + 30, sizes[i].height() / 2 + 30),
                                      sizes[i] + QSizeF(60, 60));
                    wipeMask(c, area, edges[i], start, start + 34, Ease::InOutCubic);
                    FramedPhoto f = framedPhoto(c, i + 1, look);
                    c.endMask();
                    f.photo->at(centres[i]).zoom(start, c.last(), 1.05, 1, Ease::OutSine);
                }
                // A thin rule ties the column together.
                Element &rule = c.shape(shapes::rect(QRectF(0, -1.5, 640, 3), QColor(40, 40, 40, 150)));
                rule.at(1230, 540).fade(80, 100, 0, 1);
            }};
}

TemplateDesign gridFour()
{
    return {"", u"典雅"_s, {{760, 428, H}, {760, 428, H}, {760, 428, H}, {760, 428, H}}, 200, [](Composer &c) {
                Element &bg = backdrop(c, art::silkBackground(art::duskPalette(), 41));
                sceneRecedes(c, bg, 0, 24, 0.9);
                floatingLights(c, 8, QColor(255, 226, 240), 33, 60, 16, 50);
                const PhotoLook look{FrameStyle::White, 10, QColor(255, 252, 248), true, 0.55, 26};
                const QPointF centres[] = {{550, 300}, {1370, 300}, {550, 780}, {1370, 780}};
                for (int i = 0; i < 4; ++i) {
                    FramedPhoto f = framedPhoto(c, i + 1, look);
                    const int start = 14 + i * 16;
                    const QPointF from = kStageCentre + (centres[i] - kStageCentre) * 2.6;
                    f.photo->move(start, start + 40, from, centres[i], Ease::OutCubic);
                    f.photo->spin(start, start + 40, i % 2 ? 14 : -14, 0, Ease::OutCubic);
                    f.photo->fade(start, start + 16, 0, 1);
                }
            }};
}

TemplateDesign scatteredFour()
{
    return {"", u"怀旧"_s, {{560, 373, H}, {560, 373, H}, {560, 373, H}, {560, 373, H}}, 200, [](Composer &c) {
                Element &bg = backdrop(c, art::woodBackground(29));
                sceneRecedes(c, bg, 0, 22, 0.92);
                vignette(c, 0.3).fade(0, 22, 0, 1);
                dropPrints(c, {{540, 290, -5}, {1380, 285, 4}, {590, 790, 3}, {1350, 785, -3}},
                           {FrameStyle::Polaroid, 18, QColor(250, 248, 240), true, 0.55, 24}, 14, 24, 40);
            }};
}

// ----------------------------------------------------------------------------- two portraits

TemplateDesign twoPortraitsRise()
{
    return {"", u"浪漫"_s, {{600, 800, V}, {600, 800, V}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::bokehBackground(art::rosePalette(), 51));
                sceneRecedes(c, bg, 0, 24, 0.9);
                floatingLights(c, 10, QColor(255, 226, 236), 13, 4, 24, 90);
                const PhotoLook look{FrameStyle::White, 14};
                for (int i = 0; i < 2; ++i) {
                    FramedPhoto f = framedPhoto(c, i + 1, look);
                    const double x = i == 0 ? 620 : 1300;
                    const int start = 16 + i * 14;
                    f.photo->move(start, start + 44, {x, kStageHeight + 600.0}, {x, kStageCentre.y()}, Ease::OutCubic);
                    f.photo->spin(start, start + 44, i == 0 ? -8 : 8, 0, Ease::OutCubic);
                }
            }};
}

TemplateDesign twoPortraitPolaroids()
{
    return {"", u"怀旧"_s, {{520, 693, V}, {520, 693, V}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::woodBackground(41));
                sceneRecedes(c, bg, 0, 22, 0.92);
                vignette(c, 0.25).fade(0, 22, 0, 1);
                dropPrints(c, {{700, 500, -5}, {1230, 520, 4}}, {FrameStyle::Polaroid, 20, QColor(250, 248, 240), true, 0.6, 28},
                           14, 30, 42);
            }};
}

TemplateDesign twoGiltDoors()
{
    return {"", u"典雅"_s, {{600, 800, V}, {600, 800, V}}, 150, [](Composer &c) {
                backdrop(c, art::silkBackground(art::goldPalette(), 19));
                const PhotoLook look{FrameStyle::Gilt, 40, {}, true, 0.7, 34, {10, 18}};
                for (int i = 0; i < 2; ++i) {
                    FramedPhoto f = framedPhoto(c, i + 1, look);
                    f.photo->at(i == 0 ? 600 : 1320, kStageCentre.y()).zoom(0, c.last(), 1.08, 1, Ease::OutSine);
                }
                lightSweep(c, 64, 104, QColor(255, 244, 220));
                sceneDoors(c, 4, 42, true);
            }};
}

TemplateDesign filmTwoPortraits()
{
    return {"", u"动感"_s, {{540, 720, V}, {540, 720, V}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::silkBackground(art::oceanPalette(), 25));
                sceneRecedes(c, bg, 0, 20, 0.9);
                const double height = 720 + 140;
                const double length = 2 * 620 + 80;
                art::Sprite shade = art::dropShadow({length, height}, 40, 0, 18, 0.6);
                Element &shadow = c.image(shade.image, {shade.rect.size(), false, 80});
                Element &strip = c.add(filmStrip(c, length, height));
                strip.pivotAt({length / 2, height / 2});
                shadow.at(shade.rect.topLeft()).follow(strip, false);
                for (int i = 0; i < 2; ++i)
                    c.photo(i + 1).follow(strip).at(40 + 310 + i * 620, height / 2);
                strip.move(8, 64, {kStageCentre.x(), kStageCentre.y() + 1500}, kStageCentre, Ease::OutCubic);
                strip.spin(8, 64, 10, -2, Ease::OutCubic);
            }};
}

TemplateDesign splitPortraits()
{
    return {"", u"时尚"_s, {{0, 0, V}, {0, 0, V}}, 150, [](Composer &c) {
                c.scene().visibleDuring(0, 50);
                for (int i = 0; i < 2; ++i) {
                    const QRectF half(i * 960.0, 0, 960, kStageHeight);
                    wipeMask(c, half, i == 0 ? Edge::Top : Edge::Bottom, i * 12, i * 12 + 38, Ease::InOutCubic);
                    Element &p = c.photo(i + 1);
                    c.endMask();
                    p.at(half.center()).zoom(i * 12, c.last(), 1.1, 1, Ease::OutSine);
                }
                Element &seam = c.shape(shapes::rect(QRectF(-3, 0, 6, kStageHeight), QColor(255, 255, 255, 235)));
                seam.at(960, 0).fade(48, 62, 0, 1);
                seam.scaleY.key(48, 0.01, Ease::Hold).key(70, 1, Ease::OutCubic);
            }};
}

TemplateDesign overlappingPortraits()
{
    return {"", u"清新"_s, {{600, 800, V}, {480, 640, V}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::watercolourBackground(art::oceanPalette(), 35));
                sceneRecedes(c, bg, 0, 24, 0.94);
                const PhotoLook look{FrameStyle::White, 14, QColor(255, 255, 255), true, 0.4, 28};
                FramedPhoto a = framedPhoto(c, 1, look);
                FramedPhoto b = framedPhoto(c, 2, look);
                a.photo->at(780, 510).turn(-3).fade(12, 36, 0, 1).zoom(12, 60, 0.85, 1, Ease::OutCubic);
                b.photo->move(44, 86, {2300, 640}, {1250, 600}, Ease::OutCubic);
                b.photo->spin(44, 86, 20, 4, Ease::OutBack);
            }};
}

// ----------------------------------------------------------------------- three or four portraits

TemplateDesign threePortraitsRise()
{
    return {"", u"简约"_s, {{500, 667, V}, {500, 667, V}, {500, 667, V}}, 175, [](Composer &c) {
                Element &bg = backdrop(c, art::paperBackground(QColor(244, 240, 232), 44));
                sceneRecedes(c, bg, 0, 22, 0.94);
                const PhotoLook look{FrameStyle::White, 14, QColor(255, 255, 255), true, 0.35, 26};
                for (int i = 0; i < 3; ++i) {
                    FramedPhoto f = framedPhoto(c, i + 1, look);
                    const double x = 400 + i * 560;
                    const int start = 14 + i * 16;
                    f.photo->move(start, start + 40, {x, kStageCentre.y() + 140}, {x, kStageCentre.y()}, Ease::OutCubic);
                    f.photo->fade(start, start + 24, 0, 1);
                }
            }};
}

TemplateDesign portraitFan()
{
    return {"", u"浪漫"_s, {{440, 587, V}, {440, 587, V}, {440, 587, V}}, 175, [](Composer &c) {
                Element &bg = backdrop(c, art::bokehBackground(art::duskPalette(), 61));
                sceneRecedes(c, bg, 0, 24, 0.9);
                floatingLights(c, 10, QColor(255, 220, 240), 61, 4, 24, 90);
                const PhotoLook look{FrameStyle::Polaroid, 16, QColor(252, 250, 246), true, 0.55, 26};
                // Slot 2 lies on top in the middle; slots 1 and 3 fan out from under it.
                FramedPhoto left = framedPhoto(c, 1, look);
                FramedPhoto right = framedPhoto(c, 3, look);
                FramedPhoto middle = framedPhoto(c, 2, look);
                const QPointF centre(960, 500);
                middle.photo->move(14, 50, {centre.x(), kStageHeight + 500.0}, centre, Ease::OutCubic);
                left.photo->at(centre).visibleDuring(50, c.last());
                right.photo->at(centre).visibleDuring(50, c.last());
                left.photo->move(50, 84, centre, {560, 540}, Ease::OutCubic).spin(50, 84, 0, -11, Ease::OutBack);
                right.photo->move(50, 84, centre, {1360, 540}, Ease::OutCubic).spin(50, 84, 0, 11, Ease::OutBack);
            }};
}

TemplateDesign fourPortraitsBlinds()
{
    return {"", u"时尚"_s, {{400, 533, V}, {400, 533, V}, {400, 533, V}, {400, 533, V}}, 200, [](Composer &c) {
                c.scene().visibleDuring(0, 40);
                blindsMask(c, kStageRect, 8, true, 0, 40, 0.5);
                backdrop(c, art::silkBackground(art::oceanPalette(), 37));
                const PhotoLook look{FrameStyle::White, 12};
                std::vector<Element *> photos;
                for (int i = 0; i < 4; ++i) {
                    FramedPhoto f = framedPhoto(c, i + 1, look);
                    f.photo->at(270 + i * 460, kStageCentre.y());
                    photos.push_back(f.photo);
                }
                c.endMask();
                for (std::size_t i = 0; i < photos.size(); ++i) {
                    const int start = 40 + int(i) * 12;
                    photos[i]->y.tween(start, start + 30, kStageCentre.y(), kStageCentre.y() + (i % 2 ? 50 : -50), Ease::InOutSine);
                    photos[i]->y.key(c.last(), kStageCentre.y() + (i % 2 ? 50 : -50));
                }
            }};
}

TemplateDesign fourPortraitPrints()
{
    return {"", u"怀旧"_s, {{420, 560, V}, {420, 560, V}, {420, 560, V}, {420, 560, V}}, 200, [](Composer &c) {
                Element &bg = backdrop(c, art::woodBackground(53));
                sceneRecedes(c, bg, 0, 22, 0.92);
                vignette(c, 0.3).fade(0, 22, 0, 1);
                dropPrints(c, {{400, 500, -7}, {800, 560, 4}, {1140, 500, -3}, {1530, 560, 6}},
                           {FrameStyle::Polaroid, 15, QColor(250, 248, 240), true, 0.55, 22}, 14, 22, 38);
            }};
}

// ------------------------------------------------------------------------------------- mixed

TemplateDesign mixedSideBySide()
{
    return {"", u"简约"_s, {{1000, 667, H}, {540, 720, V}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::paperBackground(QColor(240, 238, 234), 61));
                sceneRecedes(c, bg, 0, 24, 0.94);
                const PhotoLook look{FrameStyle::White, 16, QColor(255, 255, 255), true, 0.35, 28};
                FramedPhoto a = framedPhoto(c, 1, look);
                FramedPhoto b = framedPhoto(c, 2, look);
                a.photo->move(14, 54, {-700, kStageCentre.y()}, {650, kStageCentre.y()}, Ease::OutCubic);
                b.photo->move(26, 66, {1490, kStageHeight + 600.0}, {1490, kStageCentre.y()}, Ease::OutCubic);
            }};
}

TemplateDesign mixedGilt()
{
    return {"", u"典雅"_s, {{540, 720, V}, {860, 573, H}}, 150, [](Composer &c) {
                c.scene().visibleDuring(0, 46);
                irisMask(c, circlePath(100), kStageCentre, 0, 46, 0, 11.4, Ease::InOutCubic);
                backdrop(c, art::silkBackground(art::duskPalette(), 71));
                const PhotoLook look{FrameStyle::Gilt, 38, {}, true, 0.7, 32, {10, 18}};
                FramedPhoto a = framedPhoto(c, 1, look);
                FramedPhoto b = framedPhoto(c, 2, look);
                c.endMask();
                a.photo->at(520, kStageCentre.y()).zoom(0, c.last(), 1.06, 1, Ease::OutSine);
                b.photo->at(1360, kStageCentre.y()).zoom(0, c.last(), 1.06, 1, Ease::OutSine);
                lightSweep(c, 70, 110, QColor(255, 244, 220));
            }};
}

TemplateDesign mixedPrints()
{
    return {"", u"怀旧"_s, {{800, 533, H}, {480, 640, V}}, 150, [](Composer &c) {
                Element &bg = backdrop(c, art::woodBackground(67));
                sceneRecedes(c, bg, 0, 22, 0.92);
                vignette(c, 0.25).fade(0, 22, 0, 1);
                dropPrints(c, {{700, 470, -4}, {1340, 560, 5}}, {FrameStyle::Polaroid, 20, QColor(250, 248, 240), true, 0.6, 28},
                           14, 30, 42);
            }};
}

} // namespace

std::vector<TemplateDesign> landscapeGroups()
{
    return {twoSideBySide(), twoPolaroids(),   pictureInPicture(), filmTwo(),
            diagonalSplit(), stackedPair(),    threePrintsRow(),   magazine(),
            gridFour(),      scatteredFour()};
}

std::vector<TemplateDesign> portraitGroups()
{
    return {twoPortraitsRise(),    twoPortraitPolaroids(), twoGiltDoors(),       filmTwoPortraits(),
            splitPortraits(),      overlappingPortraits(), threePortraitsRise(), portraitFan(),
            fourPortraitsBlinds(), fourPortraitPrints()};
}

std::vector<TemplateDesign> mixedGroups()
{
    return {mixedSideBySide(), mixedGilt(), mixedPrints()};
}

} // namespace velumo::author::parts
