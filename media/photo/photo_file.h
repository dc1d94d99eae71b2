#pragma once

#include "app/base/failure.h"

#include <QByteArray>
#include <QImage>
#include <QImageIOHandler>
#include <QSize>
#include <QString>

namespace velumo {

// Photos larger than this are refused rather than decoded: a file of a few kilobytes can claim
// a frame of gigapixels.
inline constexpr qint64 kMaxPhotoPixels = 200'000'000;
inline constexpr qint64 kMaxPhotoFileBytes = qint64(256) << 20;

// A photo that cannot be used, with the file and the reason apart for lists of such files.
class PhotoUnusable : public Failure
{
public:
    PhotoUnusable(const QString &path, const QString &reason);

    const QString &path() const { return m_path; }
    const QString &reason() const { return m_reason; }

private:
    QString m_path;
    QString m_reason;
};

// A JPEG photo read into memory and checked: complete, of a sane size, with its stored
// orientation known. Rendering applies that orientation, so callers think only in displayed
// sizes. Throws PhotoUnusable when the file cannot be used.
class PhotoFile
{
public:
    static PhotoFile open(const QString &path);
    // A photo already in memory; `path` names it in messages.
    static PhotoFile fromBytes(const QString &path, QByteArray bytes);

    const QString &path() const { return m_path; }
    // The pixel array as stored in the file.
    QSize storedSize() const { return m_storedSize; }
    // The photo as it is meant to be seen: stored size with the orientation applied.
    QSize displayedSize() const;

    // The whole photo, orientation applied, scaled to exactly `size` (displayed orientation),
    // in Format_RGB32. Decodes at a reduced scale where the result is smaller.
    QImage render(QSize size) const;

private:
    PhotoFile() = default;

    QString m_path;
    QByteArray m_bytes;
    QSize m_storedSize;
    QImageIOHandler::Transformations m_transformation = QImageIOHandler::TransformationNone;
};

} // namespace velumo
