#pragma once

#include "render/album_request.h"

#include <QSize>
#include <QString>

#include <optional>
#include <vector>

namespace velumo::cli {

// The make-album commands' rules for the command line, taken from the output settings the
// windows use: the sizes each kind offers and the album's file name.

// The output kind named on the command line ("VCD" … "AVI", or a picture format for a
// picture sequence); nothing for an unknown name.
struct KindChoice
{
    OutputKind kind = OutputKind::Dvd;
    QString pictureFormat; // empty unless kind is PictureSequence
};
std::optional<KindChoice> kindFromName(const QString &name);

// The sizes the output size window offers for a kind, smallest first.
const std::vector<QSize> &sizesOffered(OutputKind kind);

// The request for `chosenName` as the save dialog takes it: the kind's extension is appended
// whatever was typed; a picture sequence's name is its folder, holding "01." + format first.
AlbumRequest albumRequestFor(const KindChoice &kind, QSize size, const QString &chosenName);

} // namespace velumo::cli
