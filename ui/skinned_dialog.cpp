#include "ui/skinned_dialog.h"

#include "ui/title_button_label.h"
#include "ui/window_dragger.h"

#include <algorithm>

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>

using namespace Qt::Literals::StringLiterals;

namespace velumo::ui {

namespace {

// The area between title bar and bottom strip: the dark of the main window, slightly lifted
// at the top, framed at the sides like the bar ends.
class SkinBody : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        QLinearGradient fill(0, 0, 0, height());
        fill.setColorAt(0, QColor(42, 34, 25));
        fill.setColorAt(1, QColor(29, 24, 18));
        p.fillRect(rect(), fill);
        p.fillRect(QRect(0, 0, 1, height()), QColor(18, 14, 10));
        p.fillRect(QRect(width() - 1, 0, 1, height()), QColor(18, 14, 10));
        p.fillRect(QRect(1, 0, 1, height()), QColor(86, 66, 42));
        p.fillRect(QRect(width() - 2, 0, 1, height()), QColor(86, 66, 42));
    }
};

QLabel *pictureLabel(QWidget *parent, const QString &name)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

} // namespace

QString skinnedProgressStyle()
{
    return u"QProgressBar { border: 1px solid #8a6d3b; border-radius: 3px; background: #120f0b;"
           " color: #f3e3bd; text-align: center; font-family: '宋体'; font-size: 12px; }"
           "QProgressBar::chunk { border-radius: 2px; background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           " stop:0 #f0cf7a, stop:0.5 #c8963e, stop:1 #8f6424); }"_s;
}

QString skinnedButtonStyle()
{
    return u"QPushButton {"
           " color: rgb(255, 255, 255); font-family: \"宋体\"; font-size: 12px;"
           " border: 1px solid rgb(176, 136, 72); border-radius: 3px; padding: 3px 14px;"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(104, 81, 54), stop:0.5 rgb(72, 55, 37), stop:1 rgb(50, 39, 27)); }"
           "QPushButton:hover { border-color: rgb(232, 190, 112);"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(150, 114, 70), stop:0.5 rgb(104, 79, 50), stop:1 rgb(70, 53, 35)); }"
           "QPushButton:pressed { border-color: rgb(222, 176, 98); padding-top: 4px; padding-bottom: 2px;"
           " background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
           "  stop:0 rgb(40, 31, 21), stop:1 rgb(78, 60, 40)); }"
           "QPushButton:focus { outline: none; }"
           "QPushButton:disabled { color: rgb(140, 128, 110); border-color: rgb(92, 76, 54);"
           " background: rgb(48, 39, 29); }"_s;
}

QLabel *skinnedMessageLabel(QWidget *parent, int pixelSize)
{
    auto *label = new QLabel(parent);
    label->setObjectName(u"Label_xianshi_xiaoxi"_s);
    QFont font(u"宋体"_s);
    font.setPixelSize(pixelSize);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor(242, 232, 212));
    label->setPalette(palette);
    return label;
}

SkinnedDialog::SkinnedDialog(const QString &objectName, const QString &caption, const SkinPictures &skin,
                             QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_skin(skin)
{
    setObjectName(objectName);

    // Children are created bottom to top: pictures, body, caption, close label.
    m_left = pictureLabel(this, u"Image_zuo1"_s);
    m_middle = pictureLabel(this, u"Image_zhong1"_s);
    m_middle->setScaledContents(true);
    m_right = pictureLabel(this, u"Image_you1"_s);
    m_bottom = pictureLabel(this, u"Image_xia"_s);
    m_bottom->setScaledContents(true);
    m_body = new SkinBody(this);
    m_body->setObjectName(u"Panel_body"_s);

    m_caption = new QLabel(this);
    m_caption->setObjectName(u"Label_biaoti"_s);
    QFont captionFont(u"宋体"_s);
    captionFont.setPixelSize(13);
    m_caption->setFont(captionFont);
    QPalette captionPalette = m_caption->palette();
    captionPalette.setColor(QPalette::WindowText, Qt::white);
    m_caption->setPalette(captionPalette);
    m_caption->setAutoFillBackground(false);
    // Presses on the caption belong to the title bar beneath, so the window drags from there too.
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_close = new TitleButtonLabel(m_right, this);
    m_close->setObjectName(u"Label_guanbi"_s);
    connect(m_close, &TitleButtonLabel::clicked, this, [this] { closeLabelClicked(); });

    auto *dragger = new WindowDragger(this);
    dragger->addHandle(m_left);
    dragger->addHandle(m_middle);

    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, QColor(29, 24, 18));
    setPalette(windowPalette);

    setWindowTitle(caption);
    applyChrome();
}

void SkinnedDialog::setClientSize(int width, int height)
{
    resize(width, height);
    layoutChrome();
}

void SkinnedDialog::centreOnScreen()
{
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void SkinnedDialog::closeLabelClicked()
{
    reject();
}

void SkinnedDialog::applyChrome()
{
    m_left->setPixmap(m_skin.Image_zuo1);
    m_middle->setPixmap(m_skin.Image_zhong1);
    m_bottom->setPixmap(m_skin.Image_xia);
    m_close->setPictures(m_skin.Image_you1, m_skin.Image_you2, m_skin.Image_you3);
    m_caption->setText(windowTitle());
    m_caption->adjustSize();
    layoutChrome();
}

void SkinnedDialog::layoutChrome()
{
    const int w = width();
    const int h = height();
    const int barHeight = m_skin.Image_zhong1.height();
    const int stripHeight = m_skin.Image_xia.height();
    const int rightWidth = std::min(m_skin.Image_you1.width(), w);
    const int leftWidth = std::min(m_skin.Image_zuo1.width(), w - rightWidth);

    m_left->setGeometry(0, 0, leftWidth, barHeight);
    m_middle->setGeometry(leftWidth, 0, w - leftWidth - rightWidth, barHeight);
    m_right->setGeometry(w - rightWidth, 0, rightWidth, barHeight);
    m_close->setGeometry(m_right->geometry());
    m_bottom->setGeometry(0, h - stripHeight, w, stripHeight);
    m_body->setGeometry(0, barHeight, w, std::max(0, h - barHeight - stripHeight));
    m_caption->move(10, 10);
}

void SkinnedDialog::showEvent(QShowEvent *event)
{
    applyChrome();
    QDialog::showEvent(event);
}

void SkinnedDialog::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    layoutChrome();
}

void SkinnedDialog::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowTitleChange && m_caption) {
        m_caption->setText(windowTitle());
        m_caption->adjustSize();
    }
    QDialog::changeEvent(event);
}

} // namespace velumo::ui
