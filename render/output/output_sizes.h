#pragma once

#include "render/album_request.h"

#include <QString>
#include <QStringList>

#include <vector>

namespace velumo {

struct OutputSize
{
    int width = 0;
    int height = 0;

    friend bool operator==(const OutputSize &, const OutputSize &) = default;
};

// The sizes the output size window offers for a kind, smallest first: five for VCD, eight for
// the others (the AVI command uses the DVD list, which is the same).
const std::vector<OutputSize> &outputSizes(OutputKind kind);

// Every kind opens with this choice, 1280 × 720.
inline constexpr int kDefaultSizeIndex = 4;

// A size as the drop-down shows it: width + " × " + height.
QString sizeChoiceText(OutputSize size);
QStringList sizeChoiceTexts(OutputKind kind);

// The picture formats of a picture sequence, the default first.
const QStringList &pictureFormats();

} // namespace velumo
