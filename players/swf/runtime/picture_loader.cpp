#include "players/swf/runtime/picture_loader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

using namespace Qt::Literals::StringLiterals;

namespace velumo::swf {

namespace {

constexpr qint64 kMaxFileBytes = 64 << 20;
constexpr qint64 kMaxPixels = 16 << 20;

QString canonicalOrClean(const QString &path)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(path) : canonical;
}

bool looksLikePicture(const QByteArray &head)
{
    return head.startsWith("\xFF\xD8") || head.startsWith("\x89PNG") || head.startsWith("GIF8");
}

} // namespace

PictureLoader::PictureLoader(QString movieFolder, QString rootFolder)
    : m_movieFolder(std::move(movieFolder))
    , m_rootFolder(canonicalOrClean(rootFolder))
{
}

QString PictureLoader::resolve(const std::string &url) const
{
    QString path = QString::fromUtf8(url.data(), qsizetype(url.size()));
    path.replace(u'\\', u'/');
    if (path.startsWith(u"file:///"_s))
        path = path.mid(7);
    if (QFileInfo(path).isRelative())
        path = m_movieFolder + u'/' + path;
    const QString file = canonicalOrClean(path);
    if (m_rootFolder.isEmpty())
        return {};
    const QString root = m_rootFolder.endsWith(u'/') ? m_rootFolder : m_rootFolder + u'/';
    if (!file.startsWith(root))
        return {};
    return file;
}

std::shared_ptr<const QImage> PictureLoader::load(const std::string &url, QString *problem)
{
    auto fail = [&](const QString &why) -> std::shared_ptr<const QImage> {
        if (problem != nullptr)
            *problem = why;
        return nullptr;
    };
    const QString file = resolve(url);
    if (file.isEmpty())
        return fail(u"refused: outside the movie's root folder"_s);
    const QFileInfo info(file);
    if (!info.isFile())
        return fail(u"no such file: "_s + file);
    if (info.size() > kMaxFileBytes)
        return fail(u"file too large: "_s + file);
    if (const auto hit = m_cache.find(file);
        hit != m_cache.end() && hit->second.modified == info.lastModified() && hit->second.size == info.size())
        return hit->second.image;

    QFile device(file);
    if (!device.open(QIODevice::ReadOnly))
        return fail(u"cannot read: "_s + file);
    if (!looksLikePicture(device.peek(8)))
        return fail(u"not a picture: "_s + file);
    QImageReader reader(&device);
    reader.setAutoTransform(false); // movies show pictures as stored
    const QSize size = reader.size();
    if (!size.isValid() || qint64(size.width()) * size.height() > kMaxPixels)
        return fail(u"picture too large or unreadable: "_s + file);
    QImage image;
    if (!reader.read(&image))
        return fail(u"cannot decode: "_s + file + u" ("_s + reader.errorString() + u')');
    image = image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    auto shared = std::make_shared<const QImage>(std::move(image));
    m_cache[file] = {info.lastModified(), info.size(), shared};
    return shared;
}

} // namespace velumo::swf
