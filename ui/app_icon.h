#pragma once

#include <QPixmap>

namespace velumo::ui {

// The program's icon, drawn at any size: a gilded photo frame holding a sunset scene.
QPixmap makeAppIcon(int size);

} // namespace velumo::ui
