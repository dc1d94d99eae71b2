#pragma once

#include "app/workspace/program_folder.h"
#include "players/template_player.h"
#include "render/album_request.h"
#include "render/conversion/conversion_sequence.h"

#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>

namespace velumo {

struct ProjectModel;
class AlbumRenderer;

// What the render window shows while an album is made.
struct AlbumSessionHooks
{
    ConversionHooks conversion;                   // log, list loading, busy cursor, start and end
    std::function<void(int maximum)> planMade;    // ProgressBar1: 0 … 2 × frame budget, budget done
    std::function<void()> frameMade;              // ProgressBar1 + 1, ProgressBar2 cycling 0 … 100
    // Every composed frame with its album frame number (1 … budget − 1; frame 0 is the
    // opening picture), for observers such as a quality check.
    std::function<void(qint64 albumFrame, const QImage &frame)> frameComposed;
};

// One album: the render start (plan, opening picture, lyric, first template), then the
// conversion, in which every frame the encoder asks for is composed by the album renderer and
// handed over in memory under the frame file's name. The one path for the window and the
// command line.
class AlbumSession
{
public:
    AlbumSession(ProgramFolder program, ProjectModel &model, TemplatePlayerFactory playerFactory,
                 MclLibrary &library, AlbumSessionHooks hooks);
    ~AlbumSession();

    // Runs the whole album and returns when the conversion has ended (finished or stopped).
    // Throws TemplateMarkerMissing for a movie that is not ours, and velumo::Failure when the
    // render cannot start, a frame cannot be made or the encoder fails (an output that cannot
    // be written, a song that has gone); the partial output is removed.
    void run(const AlbumRequest &request);
    // Ends a running conversion at the next frame.
    void stop();
    bool isConverting() const;

    // How long a template movie may take to report its pictures loaded.
    void setHandshakeWait(std::chrono::milliseconds wait) { m_handshakeWait = wait; }

private:
    ProgramFolder m_program;
    ProjectModel &m_model;
    TemplatePlayerFactory m_playerFactory;
    MclLibrary &m_library;
    AlbumSessionHooks m_hooks;
    std::unique_ptr<ConversionSequence> m_sequence;
    std::chrono::milliseconds m_handshakeWait;
};

} // namespace velumo
