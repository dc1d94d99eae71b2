#include "app/windows/render_window.h"

#include "app/base/failure.h"
#include "app/project/project_model.h"
#include "render/album_session.h"
#include "render/conversion/render_scratch_files.h"
#include "render/encoder/ffmpeg_mcl.h"
#include "templates/template_catalogue.h"

#include <QApplication>
#include <QCheckBox>
#include <QDesktopServices>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

QString faceStyle()
{
    return u"QLabel, QCheckBox { color: #f3e3bd; font-family: '宋体'; font-size: 12px; }"
           "QLineEdit { color: #f3e3bd; background: #120f0b; border: 1px solid #8a6d3b; padding: 2px 4px;"
           " font-family: '宋体'; font-size: 12px; }"_s;
}

void advance(QProgressBar *bar)
{
    bar->setValue(std::min(bar->value() + 1, bar->maximum()));
}

} // namespace

RenderWindow::RenderWindow(const ui::SkinPictures &skin, const ProgramFolder &program, ProjectModel &model,
                           TemplatePlayerFactory playerFactory, QWidget *parent)
    : SkinnedDialog(u"frmMain"_s, u"制作相册"_s, skin, parent)
    , m_program(program)
    , m_model(model)
    , m_playerFactory(std::move(playerFactory))
    , m_library(std::make_unique<FfmpegMcl>())
    , m_openFolder([](const QString &folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); })
{
    setClientSize(663, 192);
    buildFace();
    m_start = new QTimer(this);
    m_start->setObjectName(u"Timer1"_s);
    m_start->setSingleShot(true);
    m_start->setInterval(1000);
    connect(m_start, &QTimer::timeout, this, &RenderWindow::renderStart);
    m_finish = new QTimer(this);
    m_finish->setObjectName(u"Timer2"_s);
    m_finish->setSingleShot(true);
    m_finish->setInterval(1000);
    connect(m_finish, &QTimer::timeout, this, &RenderWindow::finish);
}

RenderWindow::~RenderWindow() = default;

void RenderWindow::setMclLibrary(std::unique_ptr<MclLibrary> library)
{
    m_library = std::move(library);
}

void RenderWindow::buildFace()
{
    body()->setStyleSheet(faceStyle());
    m_phase = new QProgressBar(body());
    m_phase->setObjectName(u"ProgressBar2"_s);
    m_phase->setFixedWidth(105);
    m_overall = new QProgressBar(body());
    m_overall->setObjectName(u"ProgressBar1"_s);
    m_overall->setFixedWidth(489);
    for (QProgressBar *bar : {m_phase, m_overall}) {
        bar->setStyleSheet(ui::skinnedProgressStyle());
        bar->setFixedHeight(22);
        bar->setRange(0, 100);
        bar->setValue(0);
    }
    m_openFolderWhenDone = new QCheckBox(u"完成后打开保存文件夹"_s, body());
    m_openFolderWhenDone->setObjectName(u"CheckBox_daikai_wenjianjia"_s);
    auto *nameLabel = new QLabel(u"文件名:"_s, body());
    m_shownName = new QLineEdit(body());
    m_shownName->setObjectName(u"suiEdit_baocunwenjianming"_s);
    m_shownName->setReadOnly(true);
    m_openLocation = new QPushButton(u"打开位置"_s, body());
    m_openLocation->setObjectName(u"suiButton2"_s);
    m_stop = new QPushButton(u"停止制作"_s, body());
    m_stop->setObjectName(u"suiButton1"_s);
    m_stop->setEnabled(false);
    for (QPushButton *button : {m_openLocation, m_stop}) {
        button->setStyleSheet(ui::skinnedButtonStyle());
        button->setFixedSize(80, 26);
    }
    connect(m_openLocation, &QPushButton::clicked, this, [this] { m_openFolder(outputFolder()); });
    connect(m_stop, &QPushButton::clicked, this, [this] {
        m_stop->setEnabled(false);
        m_finish->start();
    });

    auto *bars = new QHBoxLayout;
    bars->addWidget(m_phase);
    bars->addSpacing(12);
    bars->addWidget(m_overall);
    auto *controls = new QHBoxLayout;
    controls->addWidget(m_openFolderWhenDone);
    controls->addSpacing(10);
    controls->addWidget(nameLabel);
    controls->addWidget(m_shownName, 1);
    controls->addWidget(m_openLocation);
    controls->addWidget(m_stop);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(24, 20, 24, 20);
    layout->addLayout(bars);
    layout->addStretch(1);
    layout->addLayout(controls);
}

void RenderWindow::prepare(const AlbumRequest &request)
{
    m_request = request;
    m_log.clear();
    m_failure.clear();
    m_finished = false;
    m_openFolderWhenDone->setChecked(false);
    m_shownName->setText(request.shownName);
    m_overall->setRange(0, 100);
    m_overall->setValue(0);
    m_phase->setRange(0, 100);
    m_phase->setValue(0);
    m_stop->setEnabled(false);
    m_start->start();
}

void RenderWindow::appendLog(const QString &line)
{
    if (m_log.size() >= kMaxLogLines)
        m_log.removeFirst();
    m_log << line;
    QCoreApplication::processEvents();
}

void RenderWindow::renderStart()
{
    if (!m_request)
        return;
    AlbumSessionHooks hooks;
    hooks.conversion.log = [this](const QString &line) { appendLog(line); };
    hooks.conversion.processEvents = [] { QCoreApplication::processEvents(); };
    hooks.conversion.listLoadingStarted = [this](int lines) {
        m_phase->setRange(0, std::max(lines, 1));
        m_phase->setValue(0);
    };
    hooks.conversion.listLineLoaded = [this] { advance(m_phase); };
    hooks.conversion.busyCursor = [](bool busy) {
        if (busy)
            QApplication::setOverrideCursor(Qt::WaitCursor);
        else
            QApplication::restoreOverrideCursor();
    };
    hooks.conversion.conversionStarting = [this] {
        m_phase->setRange(0, 100);
        m_phase->setValue(0);
        m_stop->setEnabled(true);
    };
    hooks.conversion.conversionEnded = [this] {
        if (!m_finished)
            m_finish->start();
    };
    hooks.planMade = [this](int maximum) {
        // The video source lines count for the first half of the whole render.
        m_overall->setRange(0, std::max(maximum, 1));
        m_overall->setValue(maximum / 2);
    };
    hooks.frameMade = [this] {
        advance(m_overall);
        QCoreApplication::processEvents();
        if (m_phase->value() >= 100)
            m_phase->setValue(0);
        advance(m_phase);
    };
    m_session = std::make_unique<AlbumSession>(m_program, m_model, m_playerFactory, *m_library, hooks);
    try {
        m_session->run(*m_request);
    } catch (const TemplateMarkerMissing &) {
        m_session.reset();
        emit foreignTemplate();
        return;
    } catch (const Failure &failure) {
        m_failure = failure.message();
        appendLog(failure.message());
        if (!m_finished)
            m_finish->start();
    }
    m_session.reset();
    m_stop->setEnabled(false);
}

void RenderWindow::finish()
{
    if (m_finished)
        return;
    m_finished = true;
    if (m_session && m_session->isConverting()) {
        // The conversion ends at its next frame; the finish completes once it has returned.
        m_session->stop();
        m_finished = false;
        m_finish->start(50);
        return;
    }
    removeRenderScratchFiles(m_program);
    if (m_openFolderWhenDone->isChecked())
        m_openFolder(outputFolder());
    accept();
}

QString RenderWindow::outputFolder() const
{
    return m_request ? QFileInfo(m_request->videoOut).absolutePath() : QString();
}

} // namespace velumo
