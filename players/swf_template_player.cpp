#include "players/swf_template_player.h"

#include "app/base/failure.h"
#include "players/swf/reader/movie_reader.h"
#include "players/swf/render/banded_renderer.h"
#include "players/swf/runtime/movie_runtime.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaObject>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

constexpr qint64 kMaxMovieBytes = 64 << 20;

QString fromMovieText(const std::string &text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

std::string toMovieText(const QString &text)
{
    return text.toStdString();
}

} // namespace

SwfTemplatePlayer::SwfTemplatePlayer(QString rootFolder, int paintBands)
    : m_rootFolder(std::move(rootFolder))
    , m_renderer(std::make_unique<swf::BandedRenderer>(paintBands))
    , m_deliveries(std::make_unique<QObject>())
{
}

SwfTemplatePlayer::~SwfTemplatePlayer() = default;

void SwfTemplatePlayer::setMovie(const QString &path)
{
    m_runtime.reset();
    m_renderer->clearCache();
    m_failure.clear();

    const QFileInfo info(path);
    QFile file(path);
    if (!info.isFile() || !file.open(QIODevice::ReadOnly)) {
        m_failure = u"找不到模板动画文件：%1"_s.arg(path);
        return;
    }
    if (info.size() > kMaxMovieBytes) {
        m_failure = u"模板动画文件过大：%1"_s.arg(path);
        return;
    }
    const QByteArray bytes = file.readAll();
    try {
        auto movie = std::make_shared<const swf::Movie>(swf::readMovie(
            std::span(reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size()))));
        const QString root = m_rootFolder.isEmpty() ? info.absolutePath() : m_rootFolder;
        m_runtime = std::make_unique<swf::MovieRuntime>(movie, swf::PictureLoader(info.absolutePath(), root));
        m_runtime->start();
    } catch (const std::exception &error) {
        m_runtime.reset();
        m_failure = u"模板动画文件已损坏，无法播放：%1\n（%2）"_s.arg(path, QString::fromUtf8(error.what()));
        return;
    }
    collectWarnings();
    deliverFsCommands();
}

void SwfTemplatePlayer::stop()
{
    if (m_runtime)
        m_runtime->stopRoot();
}

void SwfTemplatePlayer::setFrameNum(int frame)
{
    if (!m_runtime)
        return;
    m_runtime->gotoRootFrame(frame);
    collectWarnings();
    deliverFsCommands();
}

int SwfTemplatePlayer::frameNum() const
{
    return m_runtime ? m_runtime->currentFrame() : 0;
}

int SwfTemplatePlayer::totalFrames() const
{
    requireMovie();
    return std::max(1, int(m_runtime->movie().frameCount));
}

void SwfTemplatePlayer::setVariable(const QString &name, const QString &value)
{
    if (m_runtime)
        m_runtime->setVariable(toMovieText(name), toMovieText(value));
}

QString SwfTemplatePlayer::getVariable(const QString &name) const
{
    return m_runtime ? fromMovieText(m_runtime->variable(toMovieText(name))) : QString();
}

void SwfTemplatePlayer::paint(QImage &target)
{
    requireMovie();
    if (target.isNull())
        throw Failure(u"模板画面的尺寸无效"_s);
    const swf::RenderNode tree = m_runtime->renderTree();
    m_renderer->paint(target, tree, m_runtime->movie());
}

void SwfTemplatePlayer::setFsCommandHandler(FsCommandHandler handler)
{
    m_fsCommandHandler = std::move(handler);
}

QStringList SwfTemplatePlayer::takeWarnings()
{
    return std::exchange(m_warnings, {});
}

void SwfTemplatePlayer::deliverFsCommands()
{
    for (const auto &[command, args] : m_runtime->takeFsCommands()) {
        QMetaObject::invokeMethod(
            m_deliveries.get(),
            [this, c = fromMovieText(command), a = fromMovieText(args)] {
                if (m_fsCommandHandler)
                    m_fsCommandHandler(c, a);
            },
            Qt::QueuedConnection);
    }
}

void SwfTemplatePlayer::collectWarnings()
{
    for (const std::string &warning : m_runtime->takeWarnings())
        m_warnings.append(fromMovieText(warning));
}

void SwfTemplatePlayer::requireMovie() const
{
    if (!m_runtime)
        throw Failure(m_failure.isEmpty() ? u"模板播放器还没有载入动画"_s : m_failure);
}

} // namespace velumo
