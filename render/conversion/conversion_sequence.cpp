#include "render/conversion/conversion_sequence.h"

#include "render/conversion/progress_line.h"

#include <QScopeGuard>

#include <optional>
#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

// (format, standard) of the disc kinds; AVI and picture sequences have no preset.
std::optional<std::pair<int, int>> presetOf(const ConversionRequest &request)
{
    const int standard = request.tvStandard == u"NTSC"_s ? MclStandardNtsc : MclStandardPal;
    if (request.tvStandard != u"PAL"_s && request.tvStandard != u"NTSC"_s)
        return std::nullopt;
    if (request.outputKind == u"VCD"_s)
        return std::pair(MclPresetVcd, standard);
    if (request.outputKind == u"SVCD"_s)
        return std::pair(MclPresetSvcd, standard);
    if (request.outputKind == u"DVD"_s)
        return std::pair(MclPresetDvd, standard);
    return std::nullopt;
}

bool isHighQuality(const ConversionRequest &request)
{
    return request.quality == u"gaoqing_huazhi"_s;
}

} // namespace

ConversionSequence::ConversionSequence(MclLibrary &library, ConversionHooks hooks)
    : m_library(library)
    , m_hooks(std::move(hooks))
{
}

void ConversionSequence::log(const QString &line) const
{
    if (m_hooks.log)
        m_hooks.log(line);
}

void ConversionSequence::processEvents() const
{
    if (m_hooks.processEvents)
        m_hooks.processEvents();
}

void ConversionSequence::stop()
{
    if (m_converting)
        m_library.MclAbort(m_job);
}

void ConversionSequence::assignCallbacks()
{
    MclLibrary &library = m_library;
    m_library.MclAssignVideoSource(m_job, [this, &library](MclHandle source, int index) {
        QString name;
        if (library.MclListGetName(m_videoList, index, &name))
            library.MclSourceSetFile(source, name);
        else
            library.MclSourceFinished(source);
    });
    m_library.MclAssignVideoFunc(m_job, [this](MclHandle job, const QString &frameName, qint64 frame) {
        if (m_hooks.renderStep)
            m_hooks.renderStep(job, frameName, frame);
    });
    m_library.MclAssignAudioSource(m_job, [this, &library](MclHandle source, int index) {
        QString name;
        if (library.MclListGetName(m_audioList, index, &name))
            library.MclSourceSetFile(source, name);
        else
            library.MclSourceFinished(source);
    });
    m_library.MclAssignAudioFunc(m_job, [](MclHandle, int, int) {});
    m_library.MclAssignProgress(m_job, [this, &library](MclHandle job, int status, qint64 frame, qint64 sample,
                                                        int percent) {
        log(progressLine(library, job, {status, frame, sample, percent}, m_totalFrames, m_totalSamples));
    });
    m_library.MclAssignError(m_job, [this, &library](MclHandle, int, int *reply) {
        *reply = MclReplyCancel;
        log(library.MclGetErrorStr());
    });
}

void ConversionSequence::loadList(MclHandle list, const QStringList &lines, int kind)
{
    if (m_hooks.listLoadingStarted)
        m_hooks.listLoadingStarted(int(lines.size()));
    for (const QString &line : lines) {
        m_library.MclListAdd(list, line, kind, 0, 0);
        processEvents();
        if (m_hooks.listLineLoaded)
            m_hooks.listLineLoaded();
    }
}

void ConversionSequence::applySettings(const ConversionRequest &request)
{
    if (const auto preset = presetOf(request))
        m_library.MclSetFormatPreset(m_job, preset->first, preset->second);
    m_library.MclVideoSetKeepDuration(m_job, request.keepDuration ? -1 : 0);
    if (request.photoLengthMode)
        m_library.MclAudioSetTruncateToVideo(m_job, -1);
    // Every kind gets the chosen size, picture sequences at normal quality too: without it
    // each picture would keep the size of its own frame, the opening picture 1920 x 1080.
    m_library.MclVideoSetFormat(m_job, request.width, request.height, 32);
    if (isHighQuality(request))
        m_library.MclVideoSetBitRate(m_job, 99999, 2500, 100000);
    m_library.MclAudioSetCodec(m_job, MclAudioUsual);
}

void ConversionSequence::convert()
{
    if (m_totalFrames <= 0 && m_totalSamples <= 0) {
        log(u"Nothing to convert."_s);
        return;
    }
    log(u"Starting conversion..."_s);
    m_converting = true;
    m_library.MclConvert(m_job);
    m_converting = false;
    if (m_library.MclGetError() != 0)
        log(m_library.MclGetErrorStr());
    log(u"Conversion ended."_s);
    if (m_hooks.conversionEnded)
        m_hooks.conversionEnded();
}

void ConversionSequence::run(const ConversionRequest &request)
{
    m_job = m_library.MclCreate();
    assignCallbacks();
    m_videoList = m_library.MclListCreate();
    m_audioList = m_library.MclListCreate();
    const auto release = qScopeGuard([this] {
        m_converting = false;
        m_library.MclListFree(m_videoList);
        m_library.MclListFree(m_audioList);
        m_library.MclFree(m_job);
        m_job = m_videoList = m_audioList = 0;
        if (m_hooks.busyCursor)
            m_hooks.busyCursor(false);
    });

    if (m_hooks.busyCursor)
        m_hooks.busyCursor(true);
    loadList(m_videoList, request.videoLines, MclKindVideo);
    loadList(m_audioList, request.audioLines, MclKindAudio);
    m_totalFrames = m_library.MclListGetFrameCount(m_videoList);
    m_totalSamples = m_library.MclListGetSampleCount(m_audioList);
    log(u"Total frames:  "_s + QString::number(m_totalFrames));
    log(u"Total samples: "_s + QString::number(m_totalSamples));

    applySettings(request);
    if (m_hooks.conversionStarting)
        m_hooks.conversionStarting();
    m_library.MclVideoSetFileName(m_job, request.videoOut);
    m_library.MclAudioSetFileName(m_job, request.audioOut);
    if (m_hooks.busyCursor)
        m_hooks.busyCursor(false);
    convert();
}

} // namespace velumo
