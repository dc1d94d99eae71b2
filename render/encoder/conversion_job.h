#pragma once

#include "render/encoder/job_settings.h"
#include "render/encoder/mcl_types.h"

#include <QElapsedTimer>
#include <QHash>
#include <QImage>
#include <QString>

#include <atomic>

namespace velumo {

// A source handed to a source callback and the callback's answer.
struct SourceSlot
{
    enum class State { Asked, File, Finished };
    State state = State::Asked;
    QString name;
};

// One conversion job: its callbacks, settings, the frames handed over in memory, and the
// counters its progress reports read.
struct ConversionJob
{
    MclSourceFunc videoSource;
    MclVideoFunc videoFunc;
    MclSourceFunc audioSource;
    MclAudioFunc audioFunc;
    MclProgressFunc progress;
    MclErrorFunc error;

    JobSettings settings;
    QHash<QString, QImage> frames; // pictures standing in for files of the same name

    MclHandle videoSlotHandle = 0;
    MclHandle audioSlotHandle = 0;
    SourceSlot videoSlot;
    SourceSlot audioSlot;

    std::atomic<bool> abortRequested = false;
    std::atomic<bool> running = false;
    QElapsedTimer clock;
    qint64 framesRead = 0;
};

} // namespace velumo
