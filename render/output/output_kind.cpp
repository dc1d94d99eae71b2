#include "render/output/output_kind.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

QString outputKindToken(OutputKind kind)
{
    switch (kind) {
    case OutputKind::Vcd:
        return u"VCD"_s;
    case OutputKind::Svcd:
        return u"SVCD"_s;
    case OutputKind::Dvd:
        return u"DVD"_s;
    case OutputKind::Avi:
        return u"AVI"_s;
    case OutputKind::PictureSequence:
        return u"XLTP"_s;
    }
    return {};
}

std::optional<OutputKind> outputKindFromToken(QStringView token)
{
    for (OutputKind kind : kOutputKinds) {
        if (outputKindToken(kind) == token)
            return kind;
    }
    return std::nullopt;
}

} // namespace velumo
