#pragma once

#include <QByteArray>
#include <QColor>

namespace velumo::test {

// A template movie as the library makes them: the scene picture over the stage and one
// 640 x 480 photo slot at the centre, `frames` frames long.
QByteArray slotTemplate(int frames);
// A closing template: a square of `colour` at the stage centre over the scene picture.
QByteArray closingTemplate(int frames, QColor colour);
// A movie that never reports its pictures loaded; with or without the template marker.
QByteArray silentMovie(int frames, bool withMarker);

} // namespace velumo::test
