#include "app/windows/main_window.h"

#include "ui/app_icon.h"
#include "ui/title_button_label.h"
#include "ui/window_dragger.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

const QColor kBackground(29, 24, 18);
const QColor kPanelColour(38, 31, 23);
// The icon stands at top 10; its picture stays inside the title bar.
constexpr int kIconPictureSize = ui::kTitleBarHeight - 10;

QLabel *picture(QWidget *parent, const QString &name, const QPixmap &pixmap, bool stretched)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setScaledContents(stretched);
    return label;
}

QFrame *panel(QWidget *parent, const QString &name)
{
    auto *frame = new QFrame(parent);
    frame->setObjectName(name);
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, kPanelColour);
    frame->setPalette(palette);
    return frame;
}

} // namespace

MainWindow::MainWindow(const ui::SkinPictures &skin, std::function<void(int)> endProcess)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_skin(skin)
    , m_endProcess(std::move(endProcess))
{
    setObjectName(u"Form1"_s);
    setWindowTitle(u"Velumo"_s);
    setWindowIcon(QIcon(ui::makeAppIcon(64)));
    QFont font(u"宋体"_s);
    font.setPixelSize(12);
    setFont(font);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, kBackground);
    setPalette(palette);
    resize(kClientWidth, kClientHeight);

    buildMediaPanels();
    buildTitleBar();

    m_startupCheck = new QTimer(this);
    m_startupCheck->setObjectName(u"Timer_qidongxiangdao"_s);
    m_startupCheck->setInterval(1);
    m_startupCheck->setSingleShot(true);

    m_exitCleanUp = new QTimer(this);
    m_exitCleanUp->setObjectName(u"Timer_tuichuruanjian"_s);
    m_exitCleanUp->setInterval(1);
    m_exitCleanUp->setSingleShot(true);

    layoutFrame();
}

void MainWindow::buildTitleBar()
{
    m_left = picture(this, u"Image_zuo1"_s, m_skin.Image_zuo1, false);
    m_middle = picture(this, u"Image_zhong1"_s, m_skin.Image_zhong1, true);
    m_right = picture(this, u"Image_you1"_s, m_skin.Image_you1, false);
    m_bottom = picture(this, u"Image_xia"_s, m_skin.Image_xia, true);

    m_icon = picture(this, u"Image_ico"_s, ui::makeAppIcon(kIconPictureSize), false);
    m_icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_icon->setGeometry(1, 10, 32, 32);
    m_icon->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_caption = new QLabel(windowTitle(), this);
    m_caption->setObjectName(u"Label_biaoti"_s);
    QFont captionFont(u"宋体"_s);
    captionFont.setPixelSize(14);
    captionFont.setBold(true);
    m_caption->setFont(captionFont);
    QPalette captionPalette = m_caption->palette();
    captionPalette.setColor(QPalette::WindowText, QColor(246, 226, 184));
    m_caption->setPalette(captionPalette);
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_caption->adjustSize();

    m_close = new ui::TitleButtonLabel(m_right, this);
    m_close->setObjectName(u"Label_guanbi"_s);
    m_close->setPictures(m_skin.Image_you1, m_skin.Image_you2, m_skin.Image_you3);
    connect(m_close, &ui::TitleButtonLabel::clicked, this, &MainWindow::exitRequested);

    auto *dragger = new ui::WindowDragger(this);
    dragger->addHandle(m_left);
    dragger->addHandle(m_middle);
}

void MainWindow::buildMediaPanels()
{
    // The photo panel is shown; music and lyrics take its place when chosen.
    const QRect area(170, 50, 880, 550);
    const struct
    {
        QString frame;
        QString inner;
        bool visible;
    } panels[] = {
        {u"Panel_xianshikuang"_s, u"Panel_xianshikuang_daxiao"_s, true},
        {u"Panel_xianshikuang_yinyue"_s, u"Panel_xianshikuang_daxiao_yinyue"_s, false},
        {u"Panel_xianshikuang_geci"_s, u"Panel_xianshikuang_daxiao_geci"_s, false},
    };
    for (const auto &p : panels) {
        QFrame *frame = panel(this, p.frame);
        frame->setFrameShape(QFrame::Box);
        frame->setGeometry(area);
        QFrame *inner = panel(frame, p.inner);
        inner->setGeometry(0, 0, area.width(), area.height());
        frame->setVisible(p.visible);
    }
}

void MainWindow::layoutFrame()
{
    if (m_left == nullptr)
        return;
    const int w = width();
    const int barHeight = m_skin.Image_zhong1.height();
    const int leftWidth = m_skin.Image_zuo1.width();
    const int rightWidth = m_skin.Image_you1.width();
    m_left->setGeometry(0, 0, leftWidth, barHeight);
    m_middle->setGeometry(leftWidth, 0, std::max(0, w - leftWidth - rightWidth), barHeight);
    m_right->setGeometry(w - rightWidth, 0, rightWidth, barHeight);
    m_close->setGeometry(w - rightWidth, 0, rightWidth, barHeight);
    const int stripHeight = m_skin.Image_xia.height();
    m_bottom->setGeometry(0, height() - stripHeight, w, stripHeight);
    m_caption->move(38, (barHeight - m_caption->height()) / 2 + 1);
    m_icon->raise();
    m_caption->raise();
    m_close->raise();
}

void MainWindow::centreOnScreen()
{
    const QScreen *screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_endProcess)
        m_endProcess(0);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutFrame();
}

} // namespace velumo
