#pragma once

#include <QByteArray>
#include <QString>

namespace velumo {

// A template package is a payload (a parameter file or a template movie) wrapped in this many
// packed layers.
inline constexpr int kPackageLayers = 23;

// Unpacks `source` layer by layer, writing each intermediate result to
// `scratchBase` + "-" + n + ".rar" (n = 1..22) and the payload to `finalPath`, whose folder must
// exist. Existing files of those names are overwritten. Throws velumo::Failure when a file
// cannot be read or written or a layer is damaged; the files written so far stay.
void chainUnpack(const QString &source, const QString &scratchBase, const QString &finalPath);

// `payload` wrapped in `layers` packed layers.
QByteArray wrapPackage(const QByteArray &payload, int layers = kPackageLayers);

} // namespace velumo
