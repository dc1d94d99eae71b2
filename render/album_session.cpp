#include "render/album_session.h"

#include "app/base/failure.h"
#include "app/project/project_model.h"
#include "render/album_renderer.h"
#include "render/opening_picture.h"
#include "render/output/output_kind.h"

#include <QDir>
#include <QImageWriter>

#include <exception>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

AlbumSession::AlbumSession(ProgramFolder program, ProjectModel &model, TemplatePlayerFactory playerFactory,
                           MclLibrary &library, AlbumSessionHooks hooks)
    : m_program(std::move(program))
    , m_model(model)
    , m_playerFactory(std::move(playerFactory))
    , m_library(library)
    , m_hooks(std::move(hooks))
    , m_handshakeWait(TemplateHost::kDefaultHandshakeWait)
{
}

AlbumSession::~AlbumSession() = default;

void AlbumSession::run(const AlbumRequest &request)
{
    const Form2State &form2 = m_model.form2;
    AlbumRenderer renderer({m_program, m_playerFactory, QSize(request.width, request.height),
                            {form2.RadioButton1, form2.CheckBox1, form2.CheckBox2}, m_handshakeWait},
                           m_model);
    const RenderPlan &plan = renderer.start();
    if (m_hooks.planMade)
        m_hooks.planMade(2 * plan.frameBudget);

    // The first frame is read from the frame file itself: the opening picture at full size.
    QDir().mkpath(QFileInfo(plan.frameFile).absolutePath());
    QImageWriter opening(plan.frameFile, "bmp");
    if (!opening.write(openingPicture().convertToFormat(QImage::Format_RGB888)))
        throw Failure(u"无法写入相册的第一帧：%1"_s.arg(QDir::toNativeSeparators(plan.frameFile)));

    ConversionRequest conversion;
    conversion.outputKind = outputKindToken(request.kind);
    conversion.tvStandard = m_model.form1.Edit_VCDSVCDDVD_zhishi.text();
    conversion.quality = m_model.form1.Edit_huanmian_zhiliang.text();
    conversion.photoLengthMode = plan.photoLength;
    conversion.width = request.width;
    conversion.height = request.height;
    conversion.videoOut = request.videoOut;
    conversion.audioOut = request.audioOut;
    conversion.videoLines = QStringList(plan.frameBudget, plan.frameFile);
    conversion.audioLines = plan.soundTrack;

    // A frame that cannot be made ends the conversion; the error leaves here once the
    // encoder has unwound, never through it.
    std::exception_ptr frameError;
    ConversionHooks hooks = m_hooks.conversion;
    hooks.renderStep = [&](MclHandle job, const QString &, qint64 frame) {
        if (frameError)
            return;
        try {
            const QImage composed = renderer.step();
            if (m_hooks.frameComposed)
                m_hooks.frameComposed(frame + 1, composed);
            m_library.MclPutFrame(job, plan.frameFile, composed);
            for (const QString &line : renderer.takeLogLines()) {
                if (hooks.log)
                    hooks.log(line);
            }
        } catch (...) {
            frameError = std::current_exception();
            m_library.MclAbort(job);
        }
        if (m_hooks.frameMade)
            m_hooks.frameMade();
    };
    m_sequence = std::make_unique<ConversionSequence>(m_library, hooks);
    m_sequence->run(conversion);
    m_sequence.reset();
    if (frameError) {
        QFile::remove(request.videoOut);
        std::rethrow_exception(frameError);
    }
    // The library has removed its partial output; the user is told why there is no album.
    if (m_library.MclGetError() != 0)
        throw Failure(u"相册没有制作完成：%1"_s.arg(m_library.MclGetErrorStr()));
}

void AlbumSession::stop()
{
    if (m_sequence)
        m_sequence->stop();
}

bool AlbumSession::isConverting() const
{
    return m_sequence && m_sequence->isConverting();
}

} // namespace velumo
