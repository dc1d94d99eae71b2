#include "app/cli/output_choices.h"

#include "render/output/output_kind.h"
#include "render/output/output_naming.h"
#include "render/output/output_size_selection.h"
#include "render/output/output_sizes.h"

#include <QFileInfo>

#include <algorithm>
#include <map>

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
    static const std::map<OutputKind, std::vector<QSize>> lists = [] {
        std::map<OutputKind, std::vector<QSize>> all;
        for (const OutputKind each : kOutputKinds) {
            for (const OutputSize size : outputSizes(each))
                all[each].push_back(QSize(size.width, size.height));
        }
        return all;
    }();
    return lists.at(kind);
}

AlbumRequest albumRequestFor(const KindChoice &kind, QSize size, const QString &chosenName)
{
    // The output size window and the save dialog decide as they do for the windows.
    OutputSizeSelection selection(kind.kind);
    const std::vector<QSize> &sizes = sizesOffered(kind.kind);
    const auto chosen = std::find(sizes.begin(), sizes.end(), size);
    if (chosen != sizes.end())
        selection.chooseSize(int(chosen - sizes.begin()));
    if (kind.kind == OutputKind::PictureSequence)
        selection.chooseFormat(int(pictureFormats().indexOf(kind.pictureFormat)));

    QString name = chosenName;
    while (name.size() > 1 && (name.endsWith(u'/') || name.endsWith(u'\\')))
        name.chop(1);
    AlbumRequest request = albumRequest(selection, QFileInfo(name).absoluteFilePath());
    // A size no list offers was refused before; keep what was asked all the same.
    request.width = size.width();
    request.height = size.height();
    return request;
}

} // namespace velumo::cli
