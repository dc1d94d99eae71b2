#pragma once

#include <QImage>

namespace velumo {

// The first picture of every album and the scene the first template opens on: 1920 x 1080.
QImage openingPicture();

} // namespace velumo
