#include "render/album_renderer.h"

#include "app/base/failure.h"
#include "app/project/project_model.h"
#include "assign/instance_paths.h"
#include "render/frame_time.h"
#include "render/opening_picture.h"
#include "render/pool_thread_call.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

constexpr int kPlaylistMovie = 8;

void increment(HiddenValue &value)
{
    value.setText(QString::number(value.number() + 1));
}

} // namespace

AlbumRenderer::AlbumRenderer(AlbumRenderSetup setup, ProjectModel &model)
    : m_setup(std::move(setup))
    , m_model(model)
    , m_host(m_setup.playerFactory, m_setup.program.path(), model.frmMain, m_hostLog, m_setup.handshakeWait)
    , m_lyrics(model.form1, model.form49, model.frmMain, m_setup.outputSize)
    , m_frames(m_setup.outputSize)
{
}

AlbumRenderer::~AlbumRenderer() = default;

const RenderPlan &AlbumRenderer::start()
{
    FrmMainState &frmMain = m_model.frmMain;
    frmMain.Edit_Num.setText(u"0"_s);
    frmMain.Edit_shijian.setText(QString());
    frmMain.Edit_leijiazhen_num.setText(u"-1"_s);
    frmMain.Edit_moban_zhizuo_num.setText(u"-1"_s);
    frmMain.Edit_zuihoumoban_kaiguan.setText(u"butongguo"_s);
    frmMain.Edit_wancheng.setText(QString());
    m_hostLog = {};
    m_loggedFailures = 0;
    m_closingDue = false;
    m_logLines.clear();

    m_plan = buildRenderPlan(m_setup.program, m_model.form1, frmMain, m_setup.duration);
    writeScenePicture(openingPicture());
    m_lastMovie = openingFrame();
    m_lyrics.start();
    m_logLines << m_lyrics.takeProblems();
    loadNextTemplate();
    return m_plan;
}

QImage AlbumRenderer::openingFrame() const
{
    return openingPicture().scaled(m_setup.outputSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage AlbumRenderer::step()
{
    FrmMainState &frmMain = m_model.frmMain;
    if (!checkPlayer(u"1- "_s))
        loadNextTemplate();
    increment(frmMain.Edit_leijiazhen_num);
    increment(frmMain.Edit_Num);
    m_host.setFrame(frmMain.Edit_leijiazhen_num.number());

    QImage frame;
    callOnPoolThread([&] { frame = composeFrame(); });

    frmMain.Edit_shijian.setText(frameTimeText(frmMain.Edit_Num.number()));
    m_lyrics.advance();
    m_logLines << m_lyrics.takeProblems();

    if (m_plan.closingFrame >= 0 && frmMain.Edit_Num.number() >= m_plan.closingFrame
        && frmMain.Edit_zuihoumoban_kaiguan.text() == u"butongguo"_s) {
        // The music is about to end: the closing template takes over from here.
        m_closingDue = true;
        changeScene();
    } else if (m_host.hasMovie() && frmMain.Edit_zuihoumoban_kaiguan.text() == u"butongguo"_s) {
        int total = 0;
        try {
            total = m_host.totalFrames();
        } catch (const Failure &) {
            total = 0;
        }
        if (frmMain.Edit_leijiazhen_num.number() > total - 2)
            changeScene();
    }
    checkPlayer(u"2- "_s);
    return frame;
}

bool AlbumRenderer::checkPlayer(const QString &prefix)
{
    HiddenValue &reading = m_model.frmMain.Edit_Falsh_wuxiao_jiance02;
    if (!m_host.hasMovie())
        return true;
    try {
        reading.setText(prefix + QString::number(m_host.totalFrames()));
        return true;
    } catch (const Failure &) {
        reading.setText(prefix + u" : 错误"_s);
        m_hostLog.failures << reading.text();
        return false;
    }
}

void AlbumRenderer::changeScene()
{
    writeScenePicture(m_host.paint(kScenePictureSize));
    loadNextTemplate();
}

std::optional<QString> AlbumRenderer::nextMoviePath()
{
    FrmMainState &frmMain = m_model.frmMain;
    const StringTable &playlist = frmMain.ListView_moban_shiyong_shuliang_2;
    // Nothing follows the closing template.
    if (frmMain.Edit_zuihoumoban_kaiguan.text() == u"tongguo"_s)
        return std::nullopt;
    int position = m_closingDue ? playlist.rowCount() : frmMain.Edit_moban_zhizuo_num.number() + 1;
    if (!m_closingDue && position >= playlist.rowCount() && !m_plan.photoLength && m_plan.loopPictures
        && playlist.rowCount() > 0)
        position = 0; // a music-length album plays its templates again until the music ends
    frmMain.Edit_moban_zhizuo_num.setText(QString::number(position));
    if (position < playlist.rowCount())
        return playlist.cell(position, kPlaylistMovie);
    frmMain.Edit_zuihoumoban_kaiguan.setText(u"tongguo"_s);
    frmMain.Edit_moban_zhizuo_num.setText(u"-1"_s);
    return instance_paths::closingMovie(m_setup.program, m_model.form1.Edit_kuozhanming_1.text());
}

void AlbumRenderer::loadNextTemplate()
{
    // Every template of the playlist and the closing template at most once per call, so a
    // library of unplayable movies cannot keep the render here.
    const int attempts = m_model.frmMain.ListView_moban_shiyong_shuliang_2.rowCount() + 2;
    for (int attempt = 0; attempt < attempts; ++attempt) {
        const std::optional<QString> movie = nextMoviePath();
        if (!movie)
            return;
        if (attempt == 0)
            keepLastPicture();
        if (m_host.load(*movie))
            return;
    }
}

void AlbumRenderer::keepLastPicture()
{
    if (!m_host.hasMovie())
        return;
    try {
        m_host.totalFrames();
    } catch (const Failure &) {
        return; // a failed player has nothing good to show
    }
    callOnPoolThread([&] { m_host.paintInto(m_lastMovie); });
}

QImage AlbumRenderer::composeFrame()
{
    return m_frames.make([&](QImage &frame) {
        if (m_host.hasMovie()) {
            m_host.paintInto(frame);
        } else {
            // A template that could not be played leaves the last good picture on screen.
            QPainter copier(&frame);
            copier.setCompositionMode(QPainter::CompositionMode_Source);
            copier.setRenderHint(QPainter::SmoothPixmapTransform);
            copier.drawImage(frame.rect(), m_lastMovie);
        }
        QPainter painter(&frame);
        m_lyrics.line().paint(painter);
    });
}

void AlbumRenderer::writeScenePicture(const QImage &picture)
{
    const QString path = instance_paths::pictureFolder(m_setup.program) + u"picture_0"_s
        + m_model.form1.Edit_kuozhanming_2.text();
    QDir().mkpath(instance_paths::pictureFolder(m_setup.program));
    QSaveFile file(path);
    QImageWriter writer(&file, "jpeg");
    if (!file.open(QIODevice::WriteOnly) || !writer.write(picture) || !file.commit())
        throw Failure(u"无法写入场景图片：%1"_s.arg(QDir::toNativeSeparators(path)));
}

QStringList AlbumRenderer::takeLogLines()
{
    QStringList lines;
    lines.swap(m_logLines);
    for (; m_loggedFailures < m_hostLog.failures.size(); ++m_loggedFailures)
        lines << m_hostLog.failures.at(m_loggedFailures);
    return lines;
}

} // namespace velumo
