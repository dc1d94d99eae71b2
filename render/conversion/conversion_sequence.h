#pragma once

#include "render/conversion/conversion_request.h"
#include "render/encoder/mcl_library.h"

#include <functional>

namespace velumo {

// What the render window does around the conversion; every hook may be left empty.
struct ConversionHooks
{
    std::function<void(const QString &line)> log;                 // conversion log
    std::function<void()> processEvents;                          // keep the windows alive
    std::function<void(int lines)> listLoadingStarted;            // ProgressBar2: 0 … lines
    std::function<void()> listLineLoaded;                         // ProgressBar2 + 1
    std::function<void(bool busy)> busyCursor;
    std::function<void()> conversionStarting;                     // ProgressBar2 0 … 100, stop enabled
    // The video callback: the render step that composes the next frame (it hands the frame
    // over with MclPutFrame or writes the frame file), then the progress bars.
    std::function<void(MclHandle job, const QString &frameName, qint64 frame)> renderStep;
    std::function<void()> conversionEnded;                        // starts the finish
};

// The render window's conversion: sets up a job of the conversion library from the request,
// loads the source lists, makes the setting calls the output kind, standard and quality ask
// for, converts, logs the status and error lines, and frees everything.
class ConversionSequence
{
public:
    ConversionSequence(MclLibrary &library, ConversionHooks hooks);

    void run(const ConversionRequest &request);

    // True while the library converts; stop() then ends the conversion at the next frame.
    bool isConverting() const { return m_converting; }
    void stop();

private:
    void assignCallbacks();
    void loadList(MclHandle list, const QStringList &lines, int kind);
    void applySettings(const ConversionRequest &request);
    void convert();
    void log(const QString &line) const;
    void processEvents() const;

    MclLibrary &m_library;
    ConversionHooks m_hooks;
    MclHandle m_job = 0;
    MclHandle m_videoList = 0;
    MclHandle m_audioList = 0;
    qint64 m_totalFrames = 0;
    qint64 m_totalSamples = 0;
    bool m_converting = false;
};

} // namespace velumo
