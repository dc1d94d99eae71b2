#pragma once

#include "render/encoder/encoder_failure.h"

#include <QString>

namespace velumo {

// The reason behind an FFmpeg error code, for the user.
QString avReasonText(int error);

[[noreturn]] void throwCannotCreate(const QString &path, int error);
[[noreturn]] void throwCannotWrite(const QString &path, int error);
[[noreturn]] void throwEncoderFailure(const QString &what, int error);

} // namespace velumo
