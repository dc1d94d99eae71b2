#pragma once

#include <QByteArray>
#include <QColor>

namespace velumo {
struct ProjectModel;
}

namespace velumo::test {

class TempTree;

// Template instance n of an album in the program folder `tree`: its movie (when given), a photo
// of `colour` in its slot, and one photo row with the instance's frame count.
void addInstance(TempTree &tree, ProjectModel &model, int n, int frames, QColor colour, const QByteArray &movie);

// A template movie as the library makes them: the scene picture over the stage and one
// 640 x 480 photo slot at the centre, `frames` frames long.
QByteArray slotTemplate(int frames);
// A closing template: a square of `colour` at the stage centre over the scene picture.
QByteArray closingTemplate(int frames, QColor colour);
// A movie that never reports its pictures loaded; with or without the template marker.
QByteArray silentMovie(int frames, bool withMarker);

} // namespace velumo::test
