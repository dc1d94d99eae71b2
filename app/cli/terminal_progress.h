#pragma once

#include <QElapsedTimer>
#include <QString>

#include <cstdio>

namespace velumo::cli {

// The render's progress as one line on the terminal, rewritten in place: frames done of the
// budget, frames per second so far and the time left at that pace. Redrawn at most a few
// times a second so that a fast render does not spend its time printing.
class TerminalProgress
{
public:
    explicit TerminalProgress(std::FILE *stream);

    void start(qint64 totalFrames);
    void frameDone();
    // Draws the last state and ends the line; nothing when the line was never started.
    void finish();

    // The line for a state, without the carriage return.
    static QString line(qint64 done, qint64 total, double elapsedSeconds);

private:
    void draw();

    std::FILE *m_stream;
    QElapsedTimer m_clock;
    qint64 m_lastDrawMs = -1;
    qint64 m_total = 0;
    qint64 m_done = 0;
    bool m_started = false;
};

} // namespace velumo::cli
