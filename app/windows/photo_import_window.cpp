#include "app/windows/photo_import_window.h"

#include "app/base/failure.h"
#include "app/project/project_model.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

// Steps the stages do not use are filled at this pace, then the finished bar stays a moment.
constexpr int kFillStepMs = 100;
constexpr int kFinishedPauseMs = 1000;

void pause(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

} // namespace

PhotoImportWindow::PhotoImportWindow(const ui::SkinPictures &skin, const ProgramFolder &program,
                                     ProjectModel &model, RandomSource &random, QWidget *parent)
    : SkinnedDialog(u"MainForm"_s, u"添加相片"_s, skin, parent)
    , m_program(program)
    , m_model(model)
    , m_random(random)
{
    setClientSize(520, 170);
    m_message = ui::skinnedMessageLabel(body(), 14);
    m_message->setText(u"正在添加相片，请稍候……"_s);
    m_progress = new QProgressBar(body());
    m_progress->setObjectName(u"ProgressBar_xiangpian"_s);
    m_progress->setStyleSheet(ui::skinnedProgressStyle());
    m_progress->setFixedHeight(22);
    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(30, 16, 30, 26);
    layout->addWidget(m_message, 1);
    layout->addWidget(m_progress);

    m_start = new QTimer(this);
    m_start->setObjectName(u"Timer1"_s);
    m_start->setSingleShot(true);
    m_start->setInterval(1);
    connect(m_start, &QTimer::timeout, this, &PhotoImportWindow::runBatch);
}

void PhotoImportWindow::prepare(const QStringList &files)
{
    m_files = files;
    m_report.reset();
    m_failure.clear();
    m_progress->setRange(0, 0);
    m_progress->setValue(0);
    m_start->start();
}

void PhotoImportWindow::closeLabelClicked()
{
    if (!m_running)
        SkinnedDialog::closeLabelClicked();
}

void PhotoImportWindow::reject()
{
    if (!m_running)
        SkinnedDialog::reject();
}

void PhotoImportWindow::runBatch()
{
    m_running = true;
    const ImportFeedback feedback{
        [this](int maximum) {
            m_progress->setRange(0, maximum);
            m_progress->setValue(0);
        },
        [this] { m_progress->setValue(std::min(m_progress->value() + 1, m_progress->maximum())); },
        [] { QCoreApplication::processEvents(); }};
    try {
        m_report = importPhotos(m_program, m_model, m_random, m_files, feedback);
        if (m_report->imported > 0)
            finishProgress();
    } catch (const Failure &failure) {
        m_failure = failure.message();
    }
    m_running = false;
    accept();
}

void PhotoImportWindow::finishProgress()
{
    while (m_progress->value() < m_progress->maximum()) {
        QCoreApplication::processEvents();
        pause(kFillStepMs);
        m_progress->setValue(m_progress->value() + 1);
    }
    pause(kFinishedPauseMs);
}

} // namespace velumo
