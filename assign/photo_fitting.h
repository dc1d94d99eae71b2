#pragma once

#include "app/workspace/program_folder.h"
#include "assign/fit_geometry.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

namespace velumo {

struct Form1State;
class PhotoFile;

inline constexpr int kSlotPhotoQuality = 90;

// The photo scaled to `geometry.scaled` on a black canvas of `geometry.canvas`, top-left aligned.
QImage composeFittedPhoto(const PhotoFile &photo, const FitGeometry &geometry);
// Baseline JPEG at the slot photo quality.
QByteArray encodeSlotPhoto(const QImage &picture);

// Fits every photo whose fitting mark is "jiancai_no", in table order, into its slot and writes
// it into its instance folder as the slot photo file, then sets the mark to "jiancai_yes".
// Photos are decoded and scaled on the thread pool; files and marks are written in table
// order. `step` runs once per photo. Throws velumo::Failure when a photo cannot be decoded or
// a file cannot be written; the photos fitted before keep their files and marks.
void fitPhotos(const ProgramFolder &program, Form1State &form1, CropModes modes,
               const std::function<void()> &step, const std::function<void()> &keepAlive);

} // namespace velumo
