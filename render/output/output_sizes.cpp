#include "render/output/output_sizes.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

const std::vector<OutputSize> &outputSizes(OutputKind kind)
{
    // VCD offers at most 1280 × 720, as its button hint says.
    static const std::vector<OutputSize> vcd = {{320, 176}, {464, 256}, {640, 368}, {800, 480}, {1280, 720}};
    static const std::vector<OutputSize> others = {{320, 176},  {464, 256},  {640, 368},  {800, 480},
                                                   {1280, 720}, {1440, 816}, {1600, 896}, {1920, 1080}};
    return kind == OutputKind::Vcd ? vcd : others;
}

QString sizeChoiceText(OutputSize size)
{
    return QString::number(size.width) + u" × "_s + QString::number(size.height);
}

QStringList sizeChoiceTexts(OutputKind kind)
{
    QStringList texts;
    for (const OutputSize &size : outputSizes(kind))
        texts.append(sizeChoiceText(size));
    return texts;
}

const QStringList &pictureFormats()
{
    static const QStringList formats = {u"JPG"_s, u"BMP"_s, u"TGA"_s, u"PCX"_s};
    return formats;
}

} // namespace velumo
