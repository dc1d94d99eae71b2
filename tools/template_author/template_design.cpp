#include "tools/template_author/template_design.h"

#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace velumo::author {

QSize arrivalSize(const Slot &slot)
{
    if (!slot.fullScreen())
        return {slot.width, slot.height};
    if (slot.orientation == Orientation::Portrait)
        return {1080, 1080};
    return {kStageWidth, kStageHeight};
}

QString orientationWord(Orientation o)
{
    switch (o) {
    case Orientation::Landscape:
        return u"heng"_s;
    case Orientation::Portrait:
        return u"shu"_s;
    case Orientation::Either:
        return u"shuheng"_s;
    }
    return {};
}

QString categoryOf(const TemplateDesign &design)
{
    static const QString counts[] = {u"单张"_s, u"双张"_s, u"三张"_s, u"四张"_s, u"五张"_s, u"六张"_s};
    bool landscape = false;
    bool portrait = false;
    bool either = false;
    for (const Slot &s : design.photoSlots) {
        landscape |= s.orientation == Orientation::Landscape;
        portrait |= s.orientation == Orientation::Portrait;
        either |= s.orientation == Orientation::Either;
    }
    if (int(landscape) + int(portrait) + int(either) > 1)
        return u"横竖混排"_s;
    const std::size_t n = design.photoSlots.size();
    const QString count = n >= 1 && n <= 6 ? counts[n - 1] : QString::number(n) + u"张"_s;
    if (either)
        return count + u"横竖通用"_s;
    return count + (portrait ? u"竖照"_s : u"横照"_s);
}

QByteArray parameterFile(const TemplateDesign &design)
{
    QString widths = u"|"_s, heights = u"|"_s, orientations = u"|"_s, names;
    for (std::size_t i = 0; i < design.photoSlots.size(); ++i) {
        const Slot &s = design.photoSlots[i];
        widths += QString::number(s.width) + u"|"_s;
        heights += QString::number(s.height) + u"|"_s;
        orientations += orientationWord(s.orientation) + u"|"_s;
        names += u"picture_%1.rar|"_s.arg(i + 1);
    }
    // One photo is named plainly, several as a slot list.
    if (design.photoSlots.size() == 1)
        names = u"picture_1.rar"_s;
    else
        names = u"|"_s + names;
    const QStringList lines = {
        u"[l_x_w_j_s_y]"_s,
        u"l_x_w_j_s_y=s_y_l_x"_s,
        u"[1]"_s,
        u"mblx="_s + design.type,
        u"mbfl="_s + categoryOf(design),
        u"xpsl="_s + QString::number(design.photoSlots.size()),
        u"xpkd="_s + widths,
        u"xpgd="_s + heights,
        u"szhz="_s + orientations,
        u"xpjpgmc="_s + names,
        u"mbdx="_s + QString::number(design.frames),
    };
    return (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8();
}

swf::writer::Bytes composeMovie(const TemplateDesign &design)
{
    std::vector<QSize> sizes;
    for (const Slot &s : design.photoSlots)
        sizes.push_back(arrivalSize(s));
    Composer composer(design.frames, sizes);
    design.compose(composer);
    return composer.finish();
}

} // namespace velumo::author
