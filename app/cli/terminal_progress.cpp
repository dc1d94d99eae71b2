#include "app/cli/terminal_progress.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo::cli {
namespace {

constexpr qint64 kRedrawMs = 250;

QString clockText(qint64 seconds)
{
    return u"%1:%2:%3"_s.arg(seconds / 3600, 2, 10, QChar(u'0'))
        .arg(seconds / 60 % 60, 2, 10, QChar(u'0'))
        .arg(seconds % 60, 2, 10, QChar(u'0'));
}

} // namespace

TerminalProgress::TerminalProgress(std::FILE *stream)
    : m_stream(stream)
{
}

void TerminalProgress::start(qint64 totalFrames)
{
    m_total = totalFrames;
    m_done = 0;
    m_started = true;
    m_lastDrawMs = -1;
    m_clock.start();
    draw();
}

void TerminalProgress::frameDone()
{
    ++m_done;
    if (m_clock.elapsed() - m_lastDrawMs >= kRedrawMs)
        draw();
}

void TerminalProgress::finish()
{
    if (!m_started)
        return;
    draw();
    std::fputc('\n', m_stream);
    std::fflush(m_stream);
    m_started = false;
}

QString TerminalProgress::line(qint64 done, qint64 total, double elapsedSeconds)
{
    const double fps = elapsedSeconds > 0 ? double(done) / elapsedSeconds : 0.0;
    const QString left = fps > 0 ? clockText(qint64((total - done) / fps + 0.5)) : u"--:--:--"_s;
    return u"制作相册：%1/%2 帧  %3 帧/秒  剩余 %4"_s.arg(done).arg(total).arg(fps, 0, 'f', 1).arg(left);
}

void TerminalProgress::draw()
{
    m_lastDrawMs = m_clock.elapsed();
    // Padded so that a shorter line fully covers the previous one.
    const QByteArray text = line(m_done, m_total, double(m_lastDrawMs) / 1000.0).leftJustified(48).toUtf8();
    std::fprintf(m_stream, "\r%s", text.constData());
    std::fflush(m_stream);
}

} // namespace velumo::cli
