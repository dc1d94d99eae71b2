#pragma once

#include "app/base/failure.h"
#include "render/encoder/mcl_types.h"

namespace velumo {

// A conversion failure with the library's error code; the message is the user's.
class EncoderFailure : public Failure
{
public:
    EncoderFailure(MclErrorCode code, const QString &message)
        : Failure(message)
        , m_code(code)
    {
    }

    MclErrorCode code() const noexcept { return m_code; }

private:
    MclErrorCode m_code;
};

} // namespace velumo
