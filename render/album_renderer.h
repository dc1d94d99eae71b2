#pragma once

#include "app/workspace/program_folder.h"
#include "players/template_player.h"
#include "render/frame_recycler.h"
#include "render/lyric_track.h"
#include "render/render_plan.h"
#include "render/template_host.h"

#include <QImage>
#include <QSize>
#include <QStringList>

#include <chrono>
#include <optional>

namespace velumo {

struct ProjectModel;

struct AlbumRenderSetup
{
    ProgramFolder program;
    TemplatePlayerFactory playerFactory;
    QSize outputSize;
    DurationChoice duration;
    std::chrono::milliseconds handshakeWait = TemplateHost::kDefaultHandshakeWait;
};

// Makes the frames of an album, one per call, at the album clock of 25 frames per second: the
// opening picture first, then every template instance of the playlist frame by frame with the
// lyric line over it, then the closing template until the frame budget is used up. The one
// composition path for the program, the command line and the tests.
class AlbumRenderer
{
public:
    // The scene picture every template movie opens on: the last frame of the template before,
    // always without overlays. Templates show it 1:1 on their 1920 x 1080 stage.
    static constexpr QSize kScenePictureSize{1920, 1080};

    AlbumRenderer(AlbumRenderSetup setup, ProjectModel &model);
    ~AlbumRenderer();

    // Render start: resets the clocks, builds the plan, writes the opening scene picture,
    // starts the lyric and loads the first template. Throws TemplateMarkerMissing for a
    // movie that is not ours, velumo::Failure when the working tree cannot be written.
    const RenderPlan &start();
    const RenderPlan &plan() const { return m_plan; }

    // The album's first frame: the opening picture at the output size.
    QImage openingFrame() const;
    // One render step: the next album frame.
    QImage step();

    const HostLog &hostLog() const { return m_hostLog; }
    // Lines for the conversion log since the last call (failed templates, unreadable lyrics).
    QStringList takeLogLines();

private:
    void loadNextTemplate();
    std::optional<QString> nextMoviePath();
    bool checkPlayer(const QString &prefix);
    void changeScene();
    // The frame of the template (or the last good picture) with the overlays.
    QImage composeFrame();
    // Before another template loads: the current one's picture, in case the next cannot play.
    void keepLastPicture();
    void writeScenePicture(const QImage &picture);

    AlbumRenderSetup m_setup;
    ProjectModel &m_model;
    RenderPlan m_plan;
    HostLog m_hostLog;
    int m_loggedFailures = 0;
    TemplateHost m_host;
    LyricTrack m_lyrics;
    FrameRecycler m_frames;
    QImage m_lastMovie; // the last good picture of a template at the output size, clean of overlays
    bool m_closingDue = false;
    QStringList m_logLines;
};

} // namespace velumo
