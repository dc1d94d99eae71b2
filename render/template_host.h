#pragma once

#include "players/template_player.h"

#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>

namespace velumo {

struct FrmMainState;

// What the host writes down while it works: player creations and failed templates.
struct HostLog
{
    QStringList playerCreations; // ListBox_jiazai_FLASH_xianshi
    QStringList failures;        // ListBox_cuowu_yichang_xianshi
};

// Plays one template movie at a time for the renderer: a fresh player for every template,
// the movie loaded and stopped, and the movie's "picture_0" handshake awaited (with a bound)
// before its frames are stepped through one by one.
class TemplateHost
{
public:
    static constexpr std::chrono::milliseconds kDefaultHandshakeWait{5000};

    TemplateHost(TemplatePlayerFactory factory, QString rootFolder, FrmMainState &frmMain, HostLog &log,
                 std::chrono::milliseconds handshakeWait = kDefaultHandshakeWait);
    ~TemplateHost();

    // Loads `moviePath` into a new player. Returns false when the template cannot be played
    // (no file, a damaged movie, no handshake in time); the reason is logged. Throws
    // TemplateMarkerMissing for a movie that plays but is not one of our templates.
    bool load(const QString &moviePath);

    bool hasMovie() const { return m_loaded; }
    // Throws velumo::Failure when the player has failed.
    int totalFrames() const;
    void setFrame(int frame);
    // The frame last set, painted at `size` (the output size, or the scene picture's 1920 x 1080).
    QImage paint(QSize size);
    // The same into `target`, whose size and pixels it keeps using (black if the player fails).
    void paintInto(QImage &target);

private:
    void recreatePlayer();
    bool awaitHandshake();

    TemplatePlayerFactory m_factory;
    QString m_rootFolder;
    FrmMainState &m_frmMain;
    HostLog &m_log;
    std::chrono::milliseconds m_handshakeWait;
    std::unique_ptr<TemplatePlayer> m_player;
    bool m_loaded = false;
};

} // namespace velumo
