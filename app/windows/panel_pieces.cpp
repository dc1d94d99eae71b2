#include "app/windows/panel_pieces.h"

#include "ui/main_skin.h"

#include <QFileInfo>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

ThumbnailPicture::ThumbnailPicture(const QString &objectName, QSize size, QWidget *parent)
    : QLabel(parent)
{
    setObjectName(objectName);
    setFixedSize(size);
    setAlignment(Qt::AlignCenter);
    setMouseTracking(true);
}

void ThumbnailPicture::loadPicture(const QString &file)
{
    if (!QFileInfo::exists(file))
        return;
    QImageReader reader(file);
    const QImage image = reader.read();
    if (!image.isNull())
        setPixmap(QPixmap::fromImage(image));
}

void ThumbnailPicture::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QColor(70, 56, 39));
    p.setBrush(QColor(40, 33, 25));
    p.drawRoundedRect(QRectF(rect()).adjusted(3.5, 3.5, -3.5, -3.5), 5, 5);
    const QPixmap picture = pixmap();
    if (picture.isNull())
        return;
    const QSize shown = picture.size().boundedTo(size() - QSize(8, 8));
    const QSize fitted = picture.size().scaled(shown, Qt::KeepAspectRatio);
    const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
    // A soft shadow under the picture lifts it off the card.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 90));
    p.drawRect(target.translated(2, 3));
    p.drawPixmap(target, picture);
}

MarkerFrame::MarkerFrame(const QString &objectName, const QColor &colour, QWidget *parent)
    : QWidget(parent)
    , m_colour(colour)
{
    setObjectName(objectName);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setEnabled(false);
    hide();
}

void MarkerFrame::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QPen pen(m_colour, 1, Qt::DotLine);
    p.setPen(pen);
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    p.drawRect(rect().adjusted(1, 1, -2, -2));
}

IdlePlaceholders::IdlePlaceholders(const QPixmap &slot, const QPixmap &litSlot, QWidget *parent)
    : QWidget(parent)
    , m_slot(slot)
    , m_litSlot(litSlot)
    , m_timer(new QTimer(this))
{
    setObjectName(u"PaintBox_xiangpian_yanshi"_s);
    m_timer->setObjectName(u"Timer_yanshi"_s);
    // A slow walk of light across the empty slots; repainting faster would show nothing more.
    m_timer->setInterval(600);
    connect(m_timer, &QTimer::timeout, this, [this] {
        ++m_lit;
        update();
    });
}

void IdlePlaceholders::start()
{
    m_timer->start();
    show();
    raise();
}

void IdlePlaceholders::stop()
{
    m_timer->stop();
    hide();
}

bool IdlePlaceholders::running() const
{
    return m_timer->isActive();
}

void IdlePlaceholders::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), ui::skin::kBackground);
    const int rows = height() / 185;
    const int columns = width() / 205;
    const int places = rows * columns;
    for (int i = 0; i < rows; ++i) {
        for (int c = 0; c < columns; ++c) {
            const bool lit = places > 0 && (i * columns + c) == m_lit % places;
            p.drawPixmap(c * 205 + 25, i * 180 - 15, lit ? m_litSlot : m_slot);
        }
    }

    // The invitation, on a band across the middle.
    QFont font(u"黑体"_s);
    font.setPixelSize(16);
    const QString text = u"点击左侧“添加相片”按钮，开始制作您的电子相册"_s;
    const QFontMetrics metrics(font);
    const QSize band(metrics.horizontalAdvance(text) + 60, 46);
    const QRect bandRect(QPoint((width() - band.width()) / 2, (height() - band.height()) / 2), band);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ui::skin::kGold, 1));
    p.setBrush(QColor(29, 24, 18, 225));
    p.drawRoundedRect(QRectF(bandRect).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setFont(font);
    p.setPen(ui::skin::kTitleText);
    p.drawText(bandRect, Qt::AlignCenter, text);
}

ClickableLabel::ClickableLabel(const QString &objectName, const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(objectName);
    setAlignment(Qt::AlignCenter);
    setCursor(Qt::PointingHandCursor);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}

} // namespace velumo
