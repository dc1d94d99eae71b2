#pragma once

#include "render/album_request.h"

#include <QString>

namespace velumo {

class OutputSizeSelection;

// The save dialog's one filter for a kind.
struct SaveFilter
{
    QString description; // "DVD 格式相册", "生成 JPG 序列图片", ...
    QString pattern;     // "*.mpg", "*.avi", "*.JPG", ...

    // The filter as a file dialog takes it: description (pattern).
    QString dialogFilter() const;
};

SaveFilter saveFilter(OutputKind kind, const QString &pictureFormat);

// The album the render window makes from the chosen size and the name chosen in the save
// dialog. The extension is appended whatever the user typed, so "album.mpg" becomes
// "album.mpg.mpg": the dialog's name is a name, never the file itself. For a picture sequence
// the name is the folder and the first picture is "01." + format inside it.
AlbumRequest albumRequest(const OutputSizeSelection &selection, const QString &chosenName);

} // namespace velumo
