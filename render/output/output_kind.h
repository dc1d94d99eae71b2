#pragma once

#include "render/album_request.h"

#include <QString>
#include <QStringView>

#include <array>
#include <optional>

namespace velumo {

inline constexpr std::array<OutputKind, 5> kOutputKinds = {OutputKind::Vcd, OutputKind::Svcd, OutputKind::Dvd,
                                                           OutputKind::Avi, OutputKind::PictureSequence};

// The kind's token in Edit_VCDSVCDDVD_leixing: "VCD", "SVCD", "DVD", "AVI" or "XLTP". The
// first four are also how the output size window names the kind.
QString outputKindToken(OutputKind kind);
std::optional<OutputKind> outputKindFromToken(QStringView token);

} // namespace velumo
