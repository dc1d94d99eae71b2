#include "render/output/output_naming.h"

#include "render/output/output_size_selection.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QString SaveFilter::dialogFilter() const
{
    return description + u" ("_s + pattern + u')';
}

SaveFilter saveFilter(OutputKind kind, const QString &pictureFormat)
{
    switch (kind) {
    case OutputKind::Vcd:
        return {u"VCD 格式相册"_s, u"*.mpg"_s};
    case OutputKind::Svcd:
        return {u"SVCD 格式相册"_s, u"*.mpg"_s};
    case OutputKind::Dvd:
        return {u"DVD 格式相册"_s, u"*.mpg"_s};
    case OutputKind::Avi:
        return {u"AVI 格式相册"_s, u"*.avi"_s};
    case OutputKind::PictureSequence:
        return {u"生成 "_s + pictureFormat + u" 序列图片"_s, u"*."_s + pictureFormat};
    }
    return {};
}

namespace {

QString withoutTrailingSeparators(QString path)
{
    while (path.size() > 1 && (path.endsWith(u'/') || path.endsWith(u'\\')))
        path.chop(1);
    return path;
}

} // namespace

AlbumRequest albumRequest(const OutputSizeSelection &selection, const QString &chosenName)
{
    AlbumRequest request;
    request.kind = selection.kind();
    request.width = selection.size().width;
    request.height = selection.size().height;
    request.pictureFormat = selection.pictureFormat();

    const QString name = withoutTrailingSeparators(chosenName);
    if (selection.kind() == OutputKind::PictureSequence) {
        request.videoOut = name + u"/01."_s + selection.pictureFormat();
        request.shownName = QFileInfo(name).fileName();
    } else {
        request.videoOut = name + (selection.kind() == OutputKind::Avi ? u".avi"_s : u".mpg"_s);
        // The file's name without the four characters of the extension just appended.
        request.shownName = QFileInfo(request.videoOut).fileName().chopped(4);
    }
    request.audioOut = request.videoOut;
    return request;
}

} // namespace velumo
