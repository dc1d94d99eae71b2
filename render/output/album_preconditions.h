#pragma once

#include <QString>

namespace velumo {

struct Form1State;

// What a make-album command checks before it goes on. Each stop is a velumo::Failure whose
// message the user sees.

// "没有添加相片文件！" when the album has no photos.
void requirePhotos(const Form1State &form1);

// The lyric type is asked just before rendering when there are songs and karaoke scripts both:
// only then do LRC lyrics and karaoke compete for the picture.
bool asksLyricType(const Form1State &form1);

// Makes the folder a picture sequence is written into, with any missing parents. A folder
// that exists already is refused, so no earlier sequence is mixed with the new one; a folder
// that cannot be made (a file of that name, no permission) is reported instead of waited for.
void createPictureFolder(const QString &folder);

} // namespace velumo
