#pragma once

#include <QImage>
#include <QSize>
#include <QString>

// Inputs the album and import benchmarks share.
namespace velumo::bench {

// Smooth colour fields with grain, so the files are about as large and slow to decode as
// camera photos (flat test pictures decode far faster).
QImage photoLike(QSize size, int seed);

// Copies a folder with everything in it (the installed template library into a program folder).
void copyTree(const QString &from, const QString &to);

} // namespace velumo::bench
