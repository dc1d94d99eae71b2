#include "app/panels/preview_fit.h"

namespace velumo {

QSize fitPreview(QSize picture, bool landscape, QSize box)
{
    const long long w = picture.width();
    const long long h = picture.height();
    if (w <= 0 || h <= 0)
        return {};
    const auto byWidth = [&] { return QSize(box.width(), int(h * box.width() / w)); };
    const auto byHeight = [&] { return QSize(int(w * box.height() / h), box.height()); };
    if (landscape) {
        const QSize fitted = byWidth();
        return fitted.height() > box.height() ? byHeight() : fitted;
    }
    const QSize fitted = byHeight();
    return fitted.width() > box.width() ? byWidth() : fitted;
}

} // namespace velumo
