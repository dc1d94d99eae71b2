#include "app/windows/import_progress_dialog.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

ImportProgressDialog::ImportProgressDialog(const QString &objectName, const QString &caption, const QString &working,
                                           const ui::SkinPictures &skin, QWidget *parent)
    : SkinnedDialog(objectName, caption, skin, parent)
{
    setClientSize(500, 170);

    m_text = ui::skinnedMessageLabel(body(), 14);
    m_text->setText(working);

    m_bar = new QProgressBar(body());
    m_bar->setObjectName(u"suiProgressBar1"_s);
    m_bar->setTextVisible(false);
    m_bar->setFixedHeight(18);
    m_bar->setStyleSheet(ui::skinnedProgressStyle());

    auto *layout = new QVBoxLayout(body());
    layout->setContentsMargins(30, 16, 30, 24);
    layout->setSpacing(12);
    layout->addWidget(m_text, 1);
    layout->addWidget(m_bar);

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setSingleShot(true);
    m_timer->setInterval(kStartDelayMs);
    connect(m_timer, &QTimer::timeout, this, &ImportProgressDialog::startWork);
}

void ImportProgressDialog::run(int maximum, const std::function<void()> &work)
{
    m_bar->setRange(0, qMax(maximum, 1));
    m_bar->setValue(0);
    m_work = work;
    m_error = nullptr;
    m_timer->start();
    centreOnScreen();
    exec();
    m_work = nullptr;
    if (m_error)
        std::rethrow_exception(std::exchange(m_error, nullptr));
}

void ImportProgressDialog::advance()
{
    m_bar->setValue(qMin(m_bar->value() + 1, m_bar->maximum()));
    QCoreApplication::processEvents();
}

void ImportProgressDialog::startWork()
{
    m_timer->stop();
    try {
        if (m_work)
            m_work();
        QEventLoop pause;
        QTimer::singleShot(kClosingPauseMs, &pause, &QEventLoop::quit);
        pause.exec();
    } catch (...) {
        m_error = std::current_exception();
    }
    accept();
}

} // namespace velumo
