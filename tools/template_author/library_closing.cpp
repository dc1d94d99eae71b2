// The closing template: the album's last picture recedes and a dark title card thanks the viewer.
#include "tools/template_author/library_parts.h"
#include "tools/template_author/pieces.h"
#include "tools/template_author/shapes.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo::author::parts {

TemplateDesign closing()
{
    return {"", u"片尾"_s, {}, 100, [](Composer &c) {
                const QColor gold(226, 190, 120);
                c.scene().visibleDuring(0, 0);
                c.shape(shapes::radialGradient(kStageRect.adjusted(-500, -400, 500, 400),
                                               {{0, QColor(38, 34, 48)}, {1, QColor(6, 6, 10)}}, kStageRect));

                // The last picture becomes a framed print that shrinks away into the dark.
                const QSizeF size(kStageWidth, kStageHeight);
                art::Sprite shade = art::dropShadow(size + QSizeF(48, 48), 70, 0, 24, 0.8);
                shade.rect.translate(-24, -24);
                Element &shadow = c.image(shade.image, {shade.rect.size(), false, 80});
                shadow.at(shade.rect.topLeft());
                Element &card = c.sceneCopy();
                Element &border = c.shape(shapes::ring(QRectF(QPointF(0, 0), size), 24, QColor(240, 236, 226)));
                shadow.follow(card, false);
                border.follow(card);
                card.at(kStageCentre).zoom(0, 44, 1, 0.62, Ease::InOutCubic).zoom(44, 64, 0.62, 0.56, Ease::Linear);
                card.fade(40, 64, 1, 0, Ease::InOutSine).visibleDuring(0, 64);

                floatingLights(c, 16, QColor(255, 222, 160), 99, 38, 16, 64);

                Element &title = caption(c, art::caption(u"谢谢观赏"_s, art::captionFont(168, true, true), gold,
                                                         QColor(0, 0, 0, 180)),
                                         {kStageCentre.x(), kStageCentre.y() - 20});
                title.fade(48, 78, 0, 1).zoom(48, 90, 1.08, 1, Ease::OutSine);
                Element &sub = caption(c, art::caption(u"THANK  YOU  FOR  WATCHING"_s, art::captionFont(34, true), QColor(200, 184, 150),
                                                       QColor(0, 0, 0, 0)),
                                       {kStageCentre.x(), kStageCentre.y() + 160});
                sub.fade(62, 86, 0, 1);
                // Gilt rules above and below the title, drawn out from the middle.
                for (int side = 0; side < 2; ++side) {
                    const double y = side == 0 ? kStageCentre.y() - 170 : kStageCentre.y() + 100;
                    QPainterPath rule;
                    rule.addRect(QRectF(-300, -1.5, 600, 3));
                    rule.addPolygon(QPolygonF({QPointF(-12, 0), QPointF(0, -12), QPointF(12, 0), QPointF(0, 12)}));
                    Element &line = c.shape(shapes::path(rule, gold));
                    line.at(kStageCentre.x(), y).fade(56, 70, 0, 1);
                    line.scaleX.key(56, 0.05, Ease::Hold).key(84, 1, Ease::OutCubic);
                }
            }};
}

} // namespace velumo::author::parts
