#include "app/cli/output_choices.h"

#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace velumo::cli {

std::optional<KindChoice> kindFromName(const QString &name)
{
    const QString upper = name.toUpper();
    if (upper == u"VCD"_s)
        return KindChoice{OutputKind::Vcd, {}};
    if (upper == u"SVCD"_s)
        return KindChoice{OutputKind::Svcd, {}};
    if (upper == u"DVD"_s)
        return KindChoice{OutputKind::Dvd, {}};
    if (upper == u"AVI"_s)
        return KindChoice{OutputKind::Avi, {}};
    if (upper == u"JPG"_s || upper == u"BMP"_s || upper == u"TGA"_s || upper == u"PCX"_s)
        return KindChoice{OutputKind::PictureSequence, upper};
    return std::nullopt;
}

const std::vector<QSize> &sizesOffered(OutputKind kind)
{
    // VCD stops at 1280 × 720; the other kinds (AVI takes the DVD list) go up to 1920 × 1080.
    static const std::vector<QSize> vcd = {{320, 176}, {464, 256}, {640, 368}, {800, 480}, {1280, 720}};
    static const std::vector<QSize> others = {{320, 176},  {464, 256},  {640, 368},  {800, 480},
                                              {1280, 720}, {1440, 816}, {1600, 896}, {1920, 1080}};
    return kind == OutputKind::Vcd ? vcd : others;
}

AlbumRequest albumRequestFor(const KindChoice &kind, QSize size, const QString &chosenName)
{
    QString name = chosenName;
    while (name.size() > 1 && (name.endsWith(u'/') || name.endsWith(u'\\')))
        name.chop(1);
    name = QFileInfo(name).absoluteFilePath();

    AlbumRequest request;
    request.kind = kind.kind;
    request.width = size.width();
    request.height = size.height();
    request.pictureFormat = kind.pictureFormat;
    if (kind.kind == OutputKind::PictureSequence) {
        request.videoOut = name + u"/01."_s + kind.pictureFormat;
        request.shownName = QFileInfo(name).fileName();
    } else {
        request.videoOut = name + (kind.kind == OutputKind::Avi ? u".avi"_s : u".mpg"_s);
        request.shownName = QFileInfo(request.videoOut).fileName().chopped(4);
    }
    request.audioOut = request.videoOut;
    return request;
}

} // namespace velumo::cli
