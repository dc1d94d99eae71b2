#include "render/template_host.h"

#include "app/base/failure.h"
#include "app/project/frm_main_state.h"
#include "templates/template_catalogue.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QTimer>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

const QString kHandshakeCommand = u"picture_0"_s;
const QString kHandshakeDone = u"picture_0_wancheng"_s;
const QString kMarkerVariable = u"l_x_z_f_c"_s;
const QString kMarkerValue = u"l_x_z_f_c_s_y_w_j"_s;

} // namespace

TemplateHost::TemplateHost(TemplatePlayerFactory factory, QString rootFolder, FrmMainState &frmMain, HostLog &log,
                           std::chrono::milliseconds handshakeWait)
    : m_factory(std::move(factory))
    , m_rootFolder(std::move(rootFolder))
    , m_frmMain(frmMain)
    , m_log(log)
    , m_handshakeWait(handshakeWait)
{
}

TemplateHost::~TemplateHost() = default;

void TemplateHost::recreatePlayer()
{
    const auto logLine = [this](const QString &text) {
        m_log.playerCreations << QString::number(m_log.playerCreations.size() + 1) + text;
    };
    const auto create = [this] {
        m_player.reset();
        m_player = m_factory({u"ShockwaveFlash1"_s, m_rootFolder});
    };
    m_loaded = false;
    try {
        m_player.reset();
        logLine(u"B-卸载创建的FLASH完成！"_s);
        create();
        logLine(u"B-创建FLASH控件完成！"_s);
    } catch (const Failure &) {
        logLine(u"发现错误执行 B-卸载创建的FLASH完成！"_s);
        create(); // a second failure ends the render with the player's message
        logLine(u"发现错误执行 B-卸载创建的FLASH完成！"_s);
    }
    m_frmMain.Edit_dongtaichuangjian_Flash_kaiguan.setText(u"yi_chuangjian_Falsh"_s);
    m_player->setFsCommandHandler([this](const QString &command, const QString &) {
        if (command == kHandshakeCommand)
            m_frmMain.Edit_wancheng.setText(kHandshakeDone);
    });
}

bool TemplateHost::load(const QString &moviePath)
{
    recreatePlayer();
    m_frmMain.Edit_wancheng.setText(QString());
    if (!QFileInfo(moviePath).isFile()) {
        m_log.failures << u"模板文件不存在：%1"_s.arg(QDir::toNativeSeparators(moviePath));
        return false;
    }
    m_player->setMovie(moviePath);
    try {
        m_player->totalFrames();
    } catch (const Failure &failure) {
        m_log.failures << u"模板无法播放：%1（%2）"_s.arg(QDir::toNativeSeparators(moviePath), failure.message());
        return false;
    }
    m_player->setVariable(u"xc_alpha"_s, u"0"_s);
    // A movie that plays but lacks our marker is not one of our templates.
    if (m_player->getVariable(kMarkerVariable) != kMarkerValue)
        throw TemplateMarkerMissing("template movie without its marker");
    m_player->setFrameNum(20);
    m_player->setFrameNum(0);
    m_player->stop();
    if (!awaitHandshake()) {
        m_log.failures << u"模板没有在%1秒内准备好图片，已跳过：%2"_s.arg(m_handshakeWait.count() / 1000.0).arg(QDir::toNativeSeparators(moviePath));
        return false;
    }
    m_frmMain.Edit_leijiazhen_num.setText(u"-1"_s);
    m_loaded = true;
    return true;
}

bool TemplateHost::awaitHandshake()
{
    if (m_frmMain.Edit_wancheng.text() == kHandshakeDone)
        return true;
    QEventLoop loop;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    QTimer poll;
    poll.setInterval(1);
    QObject::connect(&poll, &QTimer::timeout, &loop, [this, &loop] {
        if (m_frmMain.Edit_wancheng.text() == kHandshakeDone)
            loop.quit();
    });
    giveUp.start(m_handshakeWait);
    poll.start();
    loop.exec();
    return m_frmMain.Edit_wancheng.text() == kHandshakeDone;
}

int TemplateHost::totalFrames() const
{
    if (!m_player)
        throw Failure(u"模板播放器还没有创建。"_s);
    return m_player->totalFrames();
}

void TemplateHost::setFrame(int frame)
{
    if (m_player)
        m_player->setFrameNum(frame);
}

QImage TemplateHost::paint(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    paintInto(image);
    return image;
}

void TemplateHost::paintInto(QImage &target)
{
    if (m_player && m_loaded) {
        try {
            m_player->paint(target); // fills the whole target
            return;
        } catch (const Failure &) {
            // a failed player shows black; the failure check around the step reports it
        }
    }
    target.fill(Qt::black);
}

} // namespace velumo
