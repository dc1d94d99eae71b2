#pragma once

#include "render/encoder/mcl_types.h"

#include <QSize>
#include <QString>

#include <optional>

namespace velumo {

struct BitRateRequest
{
    int peakKbps = 0;
    int floorKbps = 0;
    int targetKbps = 0;
};

// What the setting calls of a job have asked for.
struct JobSettings
{
    std::optional<int> preset;   // MclPresetVcd, MclPresetSvcd or MclPresetDvd
    int standard = MclStandardPal;
    bool keepDuration = true;
    bool truncateAudio = false;
    std::optional<QSize> frameSize;
    std::optional<BitRateRequest> bitRate;
    int audioCodec = MclAudioUsual;
    QString videoFile;
    QString audioFile;
};

} // namespace velumo
