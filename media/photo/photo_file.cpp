#include "media/photo/photo_file.h"

#include "app/base/failure.h"
#include "media/photo/jpeg_structure.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

// Rendered pictures are photo-sized at most; a slot of an extreme shape could ask for more.
constexpr qint64 kMaxRenderPixels = 100'000'000;

[[noreturn]] void refuse(const QString &path, const QString &reason)
{
    throw PhotoUnusable(path, reason);
}

QString structureReason(JpegStructureProblem problem)
{
    switch (problem) {
    case JpegStructureProblem::NotJpeg:
        return u"不是JPG图片"_s;
    case JpegStructureProblem::Truncated:
        return u"文件不完整，可能没有复制完或已损坏"_s;
    case JpegStructureProblem::NoFrame:
    case JpegStructureProblem::TooLittleData:
        return u"图片数据已损坏"_s;
    case JpegStructureProblem::None:
        break;
    }
    return QString();
}

bool turnsSideways(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        refuse(path, u"文件不存在或无法打开"_s);
    if (file.size() == 0)
        refuse(path, u"文件是空的"_s);
    if (file.size() > kMaxPhotoFileBytes)
        refuse(path, u"文件过大"_s);
    QByteArray bytes = file.readAll();
    if (bytes.size() != file.size())
        refuse(path, u"读取文件时出错"_s);
    return bytes;
}

} // namespace

PhotoUnusable::PhotoUnusable(const QString &path, const QString &reason)
    : Failure(u"无法读取相片“%1”：%2。"_s.arg(QDir::toNativeSeparators(path), reason))
    , m_path(path)
    , m_reason(reason)
{
}

PhotoFile PhotoFile::open(const QString &path)
{
    return fromBytes(path, readAll(path));
}

PhotoFile PhotoFile::fromBytes(const QString &path, QByteArray bytes)
{
    PhotoFile photo;
    photo.m_path = path;
    photo.m_bytes = std::move(bytes);
    if (photo.m_bytes.isEmpty())
        refuse(path, u"文件是空的"_s);

    const JpegStructure structure = inspectJpegStructure(photo.m_bytes);
    const QSize stored = structure.frameSize;
    if (qint64(stored.width()) * stored.height() > kMaxPhotoPixels)
        refuse(path, u"图片尺寸过大（%1×%2）"_s.arg(stored.width()).arg(stored.height()));
    if (structure.problem != JpegStructureProblem::None)
        refuse(path, structureReason(structure.problem));

    QBuffer buffer(&photo.m_bytes);
    QImageReader reader(&buffer, "jpeg");
    if (!reader.canRead() || reader.size() != stored)
        refuse(path, u"不是JPG图片"_s);
    photo.m_storedSize = stored;
    photo.m_transformation = reader.transformation();
    return photo;
}

QSize PhotoFile::displayedSize() const
{
    return turnsSideways(m_transformation) ? m_storedSize.transposed() : m_storedSize;
}

QImage PhotoFile::render(QSize size) const
{
    if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxRenderPixels)
        refuse(m_path, u"无法按%1×%2的尺寸显示这张相片"_s.arg(size.width()).arg(size.height()));

    QByteArray bytes = m_bytes; // shared, not copied: QBuffer only reads
    QBuffer buffer(&bytes);
    QImageReader reader(&buffer, "jpeg");
    reader.setAutoTransform(true);
    reader.setAllocationLimit(int((kMaxRenderPixels * 4) >> 20) + 1);
    // The decoder scales the stored pixels, before the orientation turns them.
    reader.setScaledSize(turnsSideways(m_transformation) ? size.transposed() : size);
    QImage image = reader.read();
    if (image.isNull())
        refuse(m_path, u"图片数据已损坏（%1）"_s.arg(reader.errorString()));
    if (image.size() != size)
        image = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.format() != QImage::Format_RGB32)
        image = image.convertToFormat(QImage::Format_RGB32);
    return image;
}

} // namespace velumo
