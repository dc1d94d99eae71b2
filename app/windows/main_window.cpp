#include "app/windows/main_window.h"

#include "app/panels/summary_texts.h"
#include "app/project/project_model.h"
#include "app/windows/button_hints.h"
#include "app/windows/hint_window.h"
#include "app/windows/media_area.h"
#include "app/windows/panel_menu.h"
#include "app/windows/panel_pieces.h"
#include "app/windows/right_column.h"
#include "app/windows/selection_preview.h"
#include "ui/app_icon.h"
#include "ui/message_box.h"
#include "ui/reported_command.h"
#include "ui/skinned_panel.h"
#include "ui/title_button_label.h"
#include "ui/window_dragger.h"

#include <QCloseEvent>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QTimer>
#include <QUrl>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

// The icon stands at top 10; its picture stays inside the title bar.
constexpr int kIconPictureSize = ui::kTitleBarHeight - 10;

constexpr MainCommand kColumnCommands[kCommandCount] = {
    MainCommand::AddPhotos,     MainCommand::AddMusic, MainCommand::AddLyrics, MainCommand::AlbumLength,
    MainCommand::TextEffects,   MainCommand::OtherSettings, MainCommand::MakeVcd, MainCommand::MakeSvcd,
    MainCommand::MakeDvd,       MainCommand::MakeAvi};

const QString kColumnHints[kCommandCount] = {
    u"支持多个相片文件一起添加使用"_s,
    u"支持多个音乐文件一起添加使用"_s,
    u"支持多个歌词文件一起添加使用"_s,
    u"两种同步：以相册长度为准,以音乐长度为准"_s,
    u"支持多条文字特效,支持指定时间显示,颜色,字体,大小,字型等设置"_s,
    u"支持PAL,NTSC电视制式,画质效果支持一般画质,高清画质"_s,
    u"画面效果最高达到1280*720"_s,
    u"画面效果最高达到1280*720"_s,
    u"画面效果最高达到1920*1080"_s,
    u"画面效果最高达到1920*1080"_s,
};

const QString kAreaHints[3] = {u"显示相片文件的缩略图区域"_s, u"显示音乐文件的缩略图区域"_s,
                               u"显示歌词文件的缩略图区域"_s};

bool isPreview(MainCommand command)
{
    return command == MainCommand::PreviewPhoto || command == MainCommand::PreviewMusic
           || command == MainCommand::PreviewLyric;
}

// The panel an item command is about; Photos for commands that are about none.
std::optional<MediaKind> itemPanel(MainCommand command)
{
    switch (command) {
    case MainCommand::DeletePhoto:
    case MainCommand::PreviewPhoto:
        return MediaKind::Photos;
    case MainCommand::DeleteMusic:
    case MainCommand::BindMusic:
    case MainCommand::UnbindMusic:
    case MainCommand::PreviewMusic:
        return MediaKind::Music;
    case MainCommand::DeleteLyric:
    case MainCommand::BindLyric:
    case MainCommand::UnbindLyric:
    case MainCommand::LyricSettings:
    case MainCommand::PreviewLyric:
        return MediaKind::Lyrics;
    default:
        return std::nullopt;
    }
}

MainCommand previewCommand(MediaKind kind)
{
    return kind == MediaKind::Photos ? MainCommand::PreviewPhoto
           : kind == MediaKind::Music ? MainCommand::PreviewMusic
                                      : MainCommand::PreviewLyric;
}

QLabel *picture(QWidget *parent, const QString &name, const QPixmap &pixmap, bool stretched)
{
    auto *label = new QLabel(parent);
    label->setObjectName(name);
    label->setPixmap(pixmap);
    label->setScaledContents(stretched);
    return label;
}

QString areaCaptionText(MediaKind kind, const SummaryTexts &texts)
{
    switch (kind) {
    case MediaKind::Photos:
        return u"相片区域　共 %1 张相片　　按住鼠标左键拖动缩略图可调整顺序，双击缩略图可预览效果"_s.arg(texts.photoCount);
    case MediaKind::Music:
        return u"音乐区域　共 %1 个音乐文件　　拖动缩略图可调整播放顺序，双击可预览音乐"_s.arg(texts.musicCount);
    case MediaKind::Lyrics:
        break;
    }
    return u"歌词区域　共 %1 个歌词文件　　拖动缩略图可调整顺序，双击可预览歌词"_s.arg(texts.lyricCount);
}

} // namespace

MainWindow::MainWindow(const ui::SkinPictures &skin, ProjectModel &model, const ProgramFolder &program,
                       std::function<void(int)> endProcess)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
    , m_skin(skin)
    , m_panelPictures(ui::makePanelPictures())
    , m_model(model)
    , m_program(program)
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
    palette.setColor(QPalette::Window, ui::skin::kBackground);
    setPalette(palette);

    m_buttonHints = new ButtonHints(this);
    buildCommandColumn();
    m_media = new MediaArea(this, model.form1, program, m_panelPictures, *m_preview);
    m_media->setCommandRunner([this](const std::function<void()> &action) { return report(action); });
    connect(m_media, &MediaArea::itemActivated, this,
            [this](MediaKind kind, int row) { runCommand(previewCommand(kind), true, row); });
    connect(m_media, &MediaArea::contextMenuWanted, this, [this](MediaKind kind, QPoint at) {
        closeHints();
        showPanelMenu(kind, at, this,
                      {[this](MainCommand c) { runCommand(c, isPreview(c)); },
                       [this, kind](bool list) { setListMode(kind, list); }});
    });
    connect(m_media, &MediaArea::areaShown, this, [this](MediaKind kind) {
        for (std::size_t i = 0; i < m_areaLabels.size(); ++i) {
            m_areaLabels[i]->setProperty("current", i == std::size_t(kind));
            m_areaLabels[i]->style()->unpolish(m_areaLabels[i]);
            m_areaLabels[i]->style()->polish(m_areaLabels[i]);
        }
        refreshSummary();
    });
    m_rightColumn = new RightColumn(this, *m_buttonHints);
    connect(m_rightColumn, &RightColumn::modeRequested, this, &MainWindow::setListMode);
    connect(m_rightColumn, &RightColumn::commandRequested, this, [this](MainCommand c) { runCommand(c); });
    buildAreaLabels();
    buildTitleBar();

    m_startupCheck = new QTimer(this);
    m_startupCheck->setObjectName(u"Timer_qidongxiangdao"_s);
    m_startupCheck->setInterval(1);
    m_startupCheck->setSingleShot(true);

    m_exitCleanUp = new QTimer(this);
    m_exitCleanUp->setObjectName(u"Timer_tuichuruanjian"_s);
    m_exitCleanUp->setInterval(1);
    m_exitCleanUp->setSingleShot(true);

    m_summaryTimer = new QTimer(this);
    m_summaryTimer->setObjectName(u"Timer_qita_shiyong"_s);
    m_summaryTimer->setInterval(50);
    connect(m_summaryTimer, &QTimer::timeout, this, [this] {
        refreshSummary();
        m_rightColumn->tickHelp();
    });
    m_summaryTimer->start();

    m_media->showArea(MediaKind::Photos);
    applyLayout(WindowLayout::Start);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildCommandColumn()
{
    for (int i = 0; i < kCommandCount; ++i) {
        const MainCommand command = kColumnCommands[i];
        auto *button = new QPushButton(commandCaption(command), this);
        button->setObjectName(u"suiButton"_s + QString::number(i + 1));
        button->setStyleSheet(i < 6 ? ui::commandButtonStyle() : ui::outputButtonStyle());
        button->setIcon(ui::commandIcon(i));
        button->setIconSize(QSize(18, 18));
        button->setFocusPolicy(Qt::NoFocus);
        button->setCursor(Qt::PointingHandCursor);
        connect(button, &QPushButton::clicked, this, [this, command] {
            closeHints();
            runCommand(command);
        });
        m_buttonHints->add(button, kColumnHints[i]);
        m_commandButtons[std::size_t(i)] = button;
    }
    m_preview = new SelectionPreview(this);
}

void MainWindow::buildAreaLabels()
{
    m_areaCaption = new QLabel(this);
    m_areaCaption->setObjectName(u"Label_quyu_biaoti"_s);
    QPalette captionPalette = m_areaCaption->palette();
    captionPalette.setColor(QPalette::WindowText, ui::skin::kTextMuted);
    m_areaCaption->setPalette(captionPalette);
    m_areaCaption->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    static const QString names[3] = {u"Label_xiangpianquyu"_s, u"Label_yinyuequyu"_s, u"Label_gecequyu"_s};
    for (const MediaKind kind : kAllMediaKinds) {
        const auto k = std::size_t(kind);
        auto *label = new ClickableLabel(names[k], areaName(kind), this);
        label->setStyleSheet(ui::areaTabStyle());
        label->setProperty("current", kind == MediaKind::Photos);
        connect(label, &ClickableLabel::clicked, this, [this, kind] { showArea(kind); });
        m_buttonHints->add(label, kAreaHints[k]);
        m_areaLabels[k] = label;
    }
    m_websiteLabel = new ClickableLabel(u"Label_wangzhanmoban"_s, u"网站模板"_s, this);
    m_websiteLabel->setStyleSheet(ui::areaTabStyle());
    m_buttonHints->add(m_websiteLabel, u"打开此软件的网站模板页面"_s);
    connect(m_websiteLabel, &ClickableLabel::clicked, this, [this] {
        if (m_commands.has(MainCommand::OpenWebsite))
            runCommand(MainCommand::OpenWebsite);
        else
            QDesktopServices::openUrl(QUrl::fromLocalFile(m_program.resolve(u"help\\templates.html"_s)));
    });
}

ui::TitleButtonLabel *MainWindow::titleLabel(const QString &name, const ui::TitleButtonPictures &pictures,
                                             QLabel *&pictureLabel)
{
    pictureLabel = picture(this, name + u"_tupian"_s, pictures.normal, false);
    auto *label = new ui::TitleButtonLabel(pictureLabel, this);
    label->setObjectName(name);
    label->setPictures(pictures.normal, pictures.hover, pictures.pressed);
    return label;
}

void MainWindow::buildTitleBar()
{
    m_left = picture(this, u"Image_zuo1"_s, m_skin.Image_zuo1, false);
    m_middle = picture(this, u"Image_zhong1"_s, m_skin.Image_zhong1, true);
    m_right = picture(this, u"Image_you1"_s, m_skin.Image_you1, false);
    m_bottom = picture(this, u"Image_xia"_s, m_skin.Image_xia, true);

    m_icon = picture(this, u"Image_ico"_s, ui::makeAppIcon(kIconPictureSize), false);
    m_icon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_icon->setGeometry(6, 5, 32, 32);
    m_icon->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_caption = new QLabel(windowTitle() + u"  电子相册制作"_s, this);
    m_caption->setObjectName(u"Label_biaoti"_s);
    QFont captionFont(u"黑体"_s);
    captionFont.setPixelSize(15);
    captionFont.setBold(true);
    m_caption->setFont(captionFont);
    QPalette captionPalette = m_caption->palette();
    captionPalette.setColor(QPalette::WindowText, ui::skin::kTitleText);
    m_caption->setPalette(captionPalette);
    m_caption->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_caption->adjustSize();

    m_close = new ui::TitleButtonLabel(m_right, this);
    m_close->setObjectName(u"Label_guanbi"_s);
    m_close->setPictures(m_skin.Image_you1, m_skin.Image_you2, m_skin.Image_you3);
    connect(m_close, &ui::TitleButtonLabel::clicked, this, &MainWindow::exitRequested);
    m_fullScreen = titleLabel(u"Label_quanping"_s, m_skin.fullScreen, m_fullScreenPicture);
    m_restore = titleLabel(u"Label_huanyuan"_s, m_skin.restore, m_restorePicture);
    m_startLayout = titleLabel(u"Label_kaishibuju"_s, m_skin.startLayout, m_startLayoutPicture);
    connect(m_fullScreen, &ui::TitleButtonLabel::clicked, this, [this] { applyLayout(WindowLayout::FullScreen); });
    connect(m_restore, &ui::TitleButtonLabel::clicked, this, [this] { applyLayout(WindowLayout::Restored); });
    connect(m_startLayout, &ui::TitleButtonLabel::clicked, this, [this] { applyLayout(WindowLayout::Start); });
    m_buttonHints->add(m_close, u"退出软件"_s);
    m_buttonHints->add(m_fullScreen, u"全屏"_s);
    m_buttonHints->add(m_restore, u"窗体放大"_s);
    m_buttonHints->add(m_startLayout, u"启动窗体"_s);

    auto *dragger = new ui::WindowDragger(this);
    dragger->addHandle(m_left);
    dragger->addHandle(m_middle);
    // Installed after the dragger, so it sees the double-click first.
    m_middle->installEventFilter(this);
}

void MainWindow::setMessageBox(ui::MessageBox *box)
{
    m_messageBox = box;
}

void MainWindow::setHintWindows(HintWindow *buttons, const std::array<HintWindow *, 3> &items)
{
    m_buttonHints->setWindow(buttons);
    m_media->setItemHints(items);
}

void MainWindow::setCommand(MainCommand command, std::function<void()> action)
{
    m_commands.set(command, std::move(action));
}

void MainWindow::setItemCommand(MainCommand command, std::function<void(int row)> action)
{
    m_commands.setItem(command, std::move(action));
}

bool MainWindow::report(const std::function<void()> &action)
{
    if (m_messageBox != nullptr)
        return ui::runReported(*m_messageBox, action);
    action();
    return true;
}

void MainWindow::runCommand(MainCommand command, bool quietWhenUnset, std::optional<int> item)
{
    const std::optional<MediaKind> panel = itemPanel(command);
    const int row = item ? *item : panel ? m_media->selectedRow(*panel) : kNoItemSelected;
    if (const std::function<void()> action = m_commands.bound(command, row)) {
        report(action);
        return;
    }
    if (!quietWhenUnset && m_messageBox != nullptr)
        m_messageBox->showMessage(u"“%1”功能尚未开放，敬请期待。"_s.arg(commandCaption(command)));
}

void MainWindow::applyLayout(WindowLayout layout)
{
    m_layout = layout;
    const QScreen *screen = this->screen() != nullptr ? this->screen() : QGuiApplication::primaryScreen();
    const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1366, 768);
    setGeometry(windowGeometry(layout, area));
    placeControls();
}

void MainWindow::placeControls()
{
    if (m_close == nullptr)
        return;
    const int w = width();
    const int h = height();
    const int barHeight = m_skin.Image_zhong1.height();
    const int leftWidth = m_skin.Image_zuo1.width();
    const int rightWidth = m_skin.Image_you1.width();
    const int stripHeight = m_skin.Image_xia.height();
    m_left->setGeometry(0, 0, leftWidth, barHeight);
    m_middle->setGeometry(leftWidth, 0, std::max(0, w - leftWidth - rightWidth), barHeight);
    m_right->setGeometry(w - rightWidth, 0, rightWidth, barHeight);
    m_bottom->setGeometry(0, h - stripHeight, w, stripHeight);
    m_caption->move(42, (barHeight - m_caption->height()) / 2);

    const FrameGeometry g = velumo::frameGeometry(size(), barHeight, stripHeight);
    m_close->setGeometry(w - rightWidth, 0, rightWidth, barHeight);
    for (const auto &[pictureLabel, label, rect] :
         {std::tuple{m_fullScreenPicture, m_fullScreen, g.fullScreenLabel},
          std::tuple{m_restorePicture, m_restore, g.restoreLabel},
          std::tuple{m_startLayoutPicture, m_startLayout, g.startLayoutLabel}}) {
        pictureLabel->setGeometry(rect);
        label->setGeometry(rect);
    }

    for (int i = 0; i < kCommandCount; ++i)
        m_commandButtons[std::size_t(i)]->setGeometry(g.commands[std::size_t(i)]);
    m_preview->setGeometry(g.previewPanel);
    m_areaCaption->setGeometry(g.areaCaption.adjusted(4, 0, 0, 0));
    m_media->setGeometry(g.mediaFrame);
    m_rightColumn->place(g);
    for (std::size_t i = 0; i < m_areaLabels.size(); ++i)
        m_areaLabels[i]->setGeometry(g.areaLabels[i]);
    m_websiteLabel->setGeometry(g.websiteLabel);

    for (QWidget *top : std::initializer_list<QWidget *>{m_icon, m_caption, m_fullScreenPicture, m_restorePicture,
                                                          m_startLayoutPicture, m_fullScreen, m_restore,
                                                          m_startLayout, m_close})
        top->raise();
}

void MainWindow::refreshSummary()
{
    const QString shown = m_model.form1.Edit_Image_chakanxiangpian_T_or_F.text();
    if (shown == u"True"_s)
        m_preview->setPictureVisible(true);
    else if (shown == u"False"_s)
        m_preview->setPictureVisible(false);
    const SummaryTexts texts = summaryTexts(m_model.form1);
    m_rightColumn->showSummary(texts);
    const QString caption = areaCaptionText(m_media->shownArea(), texts);
    if (m_areaCaption->text() != caption)
        m_areaCaption->setText(caption);
}

void MainWindow::rebuildPanel(MediaKind kind)
{
    m_media->rebuild(kind);
}

void MainWindow::showArea(MediaKind kind)
{
    m_media->showArea(kind);
}

void MainWindow::setListMode(MediaKind kind, bool listMode)
{
    m_media->setMode(kind, listMode);
}

void MainWindow::reloadPanelPictures(MediaKind kind)
{
    m_media->panel(kind)->reloadPictures();
}

void MainWindow::refreshPanelList(MediaKind kind)
{
    m_media->panel(kind)->refreshList();
}

void MainWindow::clearSelection(MediaKind kind)
{
    m_model.form1.Edit_xiangpian_down_id.setText(u"wu"_s);
    m_media->panel(kind)->hideFrames();
}

void MainWindow::resetSelectionPreview()
{
    m_preview->reset();
}

void MainWindow::startIdleAnimation()
{
    m_media->panel(MediaKind::Photos)->startIdleAnimation();
}

void MainWindow::stopIdleAnimation()
{
    m_media->panel(MediaKind::Photos)->stopIdleAnimation();
}

void MainWindow::closeHints()
{
    m_media->closeItemHints();
}

MediaPanelView *MainWindow::panel(MediaKind kind) const
{
    return m_media->panel(kind);
}

MediaKind MainWindow::shownArea() const
{
    return m_media->shownArea();
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
    placeControls();
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_middle && event->type() == QEvent::MouseButtonDblClick) {
        applyLayout(layoutAfterTitleDoubleClick(m_layout));
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace velumo
