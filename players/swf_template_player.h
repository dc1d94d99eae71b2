#pragma once

#include "players/template_player.h"

#include <QObject>

#include <memory>

namespace velumo {

namespace swf {
class MovieRuntime;
class BandedRenderer;
} // namespace swf

// The project's own template player: reads a template movie, keeps its display lists and play
// head, runs its frame actions and paints any frame into an image, with no window.
//
// Behaviour a host can rely on:
// - setMovie reads the whole file at once, applies frame 0 and runs its actions before it
//   returns, so variables set by frame 0 can be read right away, and pictures the movie loads
//   are in place before the first paint.
// - setFrameNum is an ordinary goto of the root timeline: the destination frame's actions run,
//   skipped frames' actions do not, and the current frame runs nothing again. Clips inside the
//   movie do not tick on their own; a clip shows the frame of its own timeline that playing the
//   root up to its frame would have shown.
// - fscommand calls are collected while the movie runs and handed to the handler afterwards
//   through the event loop.
class SwfTemplatePlayer : public TemplatePlayer
{
public:
    // `paintBands`: how many bands a frame is painted in at once.
    explicit SwfTemplatePlayer(QString rootFolder, int paintBands = 2);
    ~SwfTemplatePlayer() override;

    void setMovie(const QString &path) override;
    void stop() override;
    void setFrameNum(int frame) override;
    int frameNum() const override;
    int totalFrames() const override;
    void setVariable(const QString &name, const QString &value) override;
    QString getVariable(const QString &name) const override;
    void paint(QImage &target) override;
    void setFsCommandHandler(FsCommandHandler handler) override;
    QStringList takeWarnings() override;

    // Why the player failed; empty while it works.
    QString failure() const { return m_failure; }

private:
    void deliverFsCommands();
    void collectWarnings();
    void requireMovie() const;

    QString m_rootFolder;
    QString m_failure;
    std::unique_ptr<swf::MovieRuntime> m_runtime;
    std::unique_ptr<swf::BandedRenderer> m_renderer;
    FsCommandHandler m_fsCommandHandler;
    QStringList m_warnings;
    // Queued fscommand deliveries die with this object, so none reaches a freed player.
    std::unique_ptr<QObject> m_deliveries;
};

} // namespace velumo
