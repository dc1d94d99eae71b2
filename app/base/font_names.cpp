#include "app/base/font_names.h"

#include <QFont>
#include <QStringList>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

void installFontSubstitutions()
{
    const QStringList song = {u"Noto Serif CJK SC"_s, u"AR PL UMing CN"_s, u"WenQuanYi Zen Hei"_s};
    const QStringList hei = {u"Noto Sans CJK SC"_s, u"WenQuanYi Zen Hei"_s, u"Noto Serif CJK SC"_s};
    for (const QString &name : {u"宋体"_s, u"SimSun"_s, u"新宋体"_s, u"仿宋"_s, u"楷体"_s})
        QFont::insertSubstitutions(name, song);
    for (const QString &name : {u"黑体"_s, u"SimHei"_s, u"微软雅黑"_s, u"Microsoft YaHei"_s, u"幼圆"_s})
        QFont::insertSubstitutions(name, hei);
}

} // namespace velumo
