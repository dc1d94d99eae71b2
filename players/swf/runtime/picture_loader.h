#pragma once

#include <QDateTime>
#include <QImage>
#include <QString>

#include <map>
#include <memory>
#include <string>

namespace velumo::swf {

// Loads the pictures a movie asks for with loadMovie. A URL is resolved against the folder of
// the movie file ("\" and "/" both separate folders) and must stay inside the root folder the
// host allows; the content is recognised by its bytes, whatever the file is called. Decoded
// pictures are kept, since a rewind of the movie asks for the same files again.
class PictureLoader
{
public:
    PictureLoader(QString movieFolder, QString rootFolder);

    // nullptr when the picture cannot be used; `problem` then says why.
    std::shared_ptr<const QImage> load(const std::string &url, QString *problem = nullptr);

    // The file a URL names, or an empty string when it is refused.
    QString resolve(const std::string &url) const;

private:
    struct Cached
    {
        QDateTime modified;
        qint64 size = 0;
        std::shared_ptr<const QImage> image;
    };

    QString m_movieFolder;
    QString m_rootFolder;
    std::map<QString, Cached> m_cache;
};

} // namespace velumo::swf
