#pragma once

#include <QSize>

namespace velumo {

// The size a picture of `picture` size is shown at in the selection preview box: a landscape
// picture takes the box width, a portrait one the box height, each with its aspect kept and
// switching to the other side when it would not fit. Empty for an empty picture.
QSize fitPreview(QSize picture, bool landscape, QSize box);

} // namespace velumo
