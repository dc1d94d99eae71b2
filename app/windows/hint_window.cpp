#include "app/windows/hint_window.h"

#include "app/panels/hint_placement.h"

#include <QCursor>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

constexpr int kMargin = 8;
constexpr int kLineSpacing = 4;
const QColor kHintBackground(136, 0, 68);

QFont hintFont()
{
    QFont font(u"宋体"_s);
    font.setPixelSize(12);
    return font;
}

QRect screenAround(QPoint pointer)
{
    const QScreen *screen = QGuiApplication::screenAt(pointer);
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    return screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);
}

} // namespace

HintWindow::HintWindow(const QString &objectName, const QString &caption, QWidget *parent)
    : QWidget(parent, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus)
    , m_fadeIn(new QTimer(this))
    , m_fadeOut(new QTimer(this))
{
    setObjectName(objectName);
    setWindowTitle(caption);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFont(hintFont());
    m_fadeIn->setObjectName(u"Timer_jianbian_xiaoguo"_s);
    m_fadeOut->setObjectName(u"Timer_jianbian_xiaoguo_jiesu"_s);
    connect(m_fadeIn, &QTimer::timeout, this, &HintWindow::fadeInTick);
    connect(m_fadeOut, &QTimer::timeout, this, &HintWindow::fadeOutTick);
}

void HintWindow::requestHint(const QStringList &lines)
{
    m_lines = lines;
    m_fade.requestShow();
    resize(contentSize());
    // The window's shape: a rectangle with corners of radius 3.
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 3, 3);
    setMask(QRegion(shape.toFillPolygon().toPolygon()));
    apply();
}

void HintWindow::fadeAway()
{
    m_fade.fadeAway();
    apply();
}

void HintWindow::closeNow()
{
    m_fade.closeNow();
    apply();
}

void HintWindow::fadeInTick()
{
    m_fade.fadeInTick();
    if (m_fade.justShown()) {
        const QPoint pointer = QCursor::pos();
        move(placeHint(pointer, size(), screenAround(pointer)));
    }
    apply();
}

void HintWindow::fadeOutTick()
{
    m_fade.fadeOutTick();
    apply();
}

void HintWindow::apply()
{
    setWindowOpacity(m_fade.opacity() / 255.0);
    if (m_fade.visible() && !isVisible())
        show();
    else if (!m_fade.visible() && isVisible())
        hide();

    const auto run = [](QTimer *timer, bool running, int interval) {
        if (!running) {
            timer->stop();
            return;
        }
        if (!timer->isActive() || timer->interval() != interval)
            timer->start(interval);
    };
    run(m_fadeIn, m_fade.running() == HintFade::Running::FadeIn, m_fade.intervalMs());
    run(m_fadeOut, m_fade.running() == HintFade::Running::FadeOut, m_fade.intervalMs());
}

QSize HintWindow::contentSize() const
{
    const QFontMetrics metrics(font());
    int width = 0;
    for (const QString &line : m_lines)
        width = std::max(width, metrics.horizontalAdvance(line));
    const int lineHeight = metrics.height();
    const int textHeight = int(m_lines.size()) * lineHeight + std::max(0, int(m_lines.size()) - 1) * kLineSpacing;
    // The text stands at (8, 8); the window is 5 + 16 wider and 16 higher than the text.
    return {width + 5 + 2 * kMargin, textHeight + 2 * kMargin};
}

void HintWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), kHintBackground);
    p.setPen(QColor(255, 255, 255, 60));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.setPen(Qt::white);
    const QFontMetrics metrics(font());
    int y = kMargin;
    for (const QString &line : m_lines) {
        p.drawText(QRect(kMargin, y, width() - kMargin, metrics.height()), Qt::AlignLeft | Qt::AlignVCenter, line);
        y += metrics.height() + kLineSpacing;
    }
}

} // namespace velumo
