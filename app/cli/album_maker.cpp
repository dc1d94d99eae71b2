#include "app/cli/album_maker.h"

#include "app/base/failure.h"
#include "app/cli/exit_codes.h"
#include "app/cli/media_batches.h"
#include "app/cli/private_program_folder.h"
#include "app/cli/table_dump.h"
#include "app/cli/terminal_progress.h"
#include "app/project/project_model.h"
#include "app/workspace/tree_removal.h"
#include "assign/random_source.h"
#include "players/audio/ffmpeg_media_player.h"
#include "render/album_session.h"
#include "render/output/output_kind.h"
#include "render/conversion/render_scratch_files.h"
#include "render/encoder/ffmpeg_mcl.h"
#include "templates/template_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace velumo::cli {
namespace {

// The library is read as at start-up: a foreign library ends the run, a damaged one is
// reported and the run goes on with the templates that could be read.
void readLibrary(const ProgramFolder &program, Form1State &form1, const AlbumReporting &reporting)
{
    try {
        buildTemplateCatalogue(program, form1);
    } catch (const TemplateMarkerMissing &) {
        throw Failure(u"模板库无法使用：安装的模板不是本软件的模板。"_s);
    } catch (const Failure &failure) {
        reporting.notice(failure.message());
        classifyTemplates(form1);
        countTemplateSlots(form1);
    }
}

// The other-settings window's choices; photo fitting reads them while the photos are added.
void applyImportSettings(const AlbumOptions &options, ProjectModel &model)
{
    model.form17.suiRadioButton_hengzhaopian_quanping = options.landscapeFullScreen;
    model.form17.suiRadioButton_hengzhaopian_moren = !options.landscapeFullScreen;
    model.form17.suiRadioButton_shuzhaopian_jubufangda = options.portraitEnlarge;
    model.form17.suiRadioButton_shuzhaopian_moren = !options.portraitEnlarge;
    model.form1.Edit_VCDSVCDDVD_zhishi.setText(options.tvStandardToken);
    model.form1.Edit_huanmian_zhiliang.setText(options.qualityToken);
}

// The make-album command's settings and the duration window's choices. An album without
// songs can only follow its photos, as the duration window allows.
void applyAlbumSettings(const AlbumOptions &options, const AlbumRequest &request, ProjectModel &model)
{
    model.form1.Edit_VCDSVCDDVD_leixing.setText(outputKindToken(request.kind));
    model.form39.Edit_chicun_width.setText(QString::number(request.width));
    model.form39.Edit_chicun_height.setText(QString::number(request.height));

    const bool songs = model.form1.ListView_daoru_yinyue.rowCount() > 0;
    const bool photoLength = options.length == AlbumLength::Photos || !songs;
    model.form1.Edit_tongbu_shezhi.setText(photoLength ? u"sui_zhaopian_tongbu"_s : u"sui_yinyue_tongbu"_s);
    model.form2.RadioButton1 = photoLength;
    model.form2.RadioButton2 = !photoLength;
    model.form2.CheckBox1 = options.loopMusic && songs;
    model.form2.CheckBox2 = options.loopPictures && !photoLength;
}

std::unique_ptr<RandomSource> randomSource(const AlbumOptions &options)
{
    if (options.seed)
        return std::make_unique<SeededRandomSource>(*options.seed);
    return std::make_unique<SeededRandomSource>(SeededRandomSource::fromEntropy());
}

// The render window's part: the session with the progress line, then the finish.
void render(const ProgramFolder &program, ProjectModel &model, const AlbumRequest &request,
            const AlbumReporting &reporting, bool &stopped)
{
    FfmpegMcl library;
    AlbumSession *running = nullptr;
    AlbumSessionHooks hooks;
    hooks.conversion.processEvents = [] { QCoreApplication::processEvents(); };
    hooks.planMade = [&](int maximum) {
        if (reporting.progress)
            reporting.progress->start(maximum / 2);
    };
    hooks.frameMade = [&] {
        if (reporting.progress)
            reporting.progress->frameDone();
        if (!stopped && reporting.stopRequested && reporting.stopRequested()) {
            stopped = true;
            running->stop();
        }
    };
    AlbumSession session(program, model, defaultTemplatePlayerFactory(), library, hooks);
    running = &session;
    try {
        session.run(request);
    } catch (const TemplateMarkerMissing &) {
        if (reporting.progress)
            reporting.progress->finish();
        throw Failure(u"模板库无法使用：模板动画不是本软件的模板。"_s);
    } catch (...) {
        if (reporting.progress)
            reporting.progress->finish();
        throw;
    }
    if (reporting.progress)
        reporting.progress->finish();
    removeRenderScratchFiles(program);
}

} // namespace

AlbumOutcome makeAlbum(const AlbumOptions &options, const ProgramFolder &installed, const AlbumReporting &reporting)
{
    const AlbumRequest request = albumRequestFor(options.kind, options.size, options.outputName);
    const QString sequenceFolder =
        request.kind == OutputKind::PictureSequence ? QFileInfo(request.videoOut).absolutePath() : QString();
    if (!sequenceFolder.isEmpty() && QFileInfo::exists(sequenceFolder))
        return {kExitBadCommandLine, u"输入的文件名存在, 请更换保存的文件名！"_s, {}};

    ProjectModel model;
    bool folderMade = false;
    AlbumOutcome outcome;
    try {
        PrivateProgramFolder folder(installed);
        const ProgramFolder &program = folder.program();
        readLibrary(program, model.form1, reporting);
        applyImportSettings(options, model);
        FfmpegMediaPlayer player;
        const std::unique_ptr<RandomSource> random = randomSource(options);
        addMediaFiles(program, model, *random, player, options.files, reporting.notice);
        if (model.form1.ListView_daoruxiangpian.rowCount() == 0)
            throw Failure(u"没有添加相片文件！"_s);

        applyAlbumSettings(options, request, model);
        if (!sequenceFolder.isEmpty()) {
            if (!QDir().mkpath(sequenceFolder))
                throw Failure(u"无法创建文件夹：%1"_s.arg(QDir::toNativeSeparators(sequenceFolder)));
            folderMade = true;
        }
        bool stopped = false;
        render(program, model, request, reporting, stopped);
        if (stopped)
            throw Failure(u"相册制作已停止，没有生成相册。"_s);
        outcome = {kExitSuccess, {}, sequenceFolder.isEmpty() ? request.videoOut : sequenceFolder};
    } catch (const Failure &failure) {
        if (folderMade)
            removeTree(sequenceFolder);
        outcome = {kExitAlbumFailed, failure.message(), {}};
    }

    if (!options.dumpFolder.isEmpty()) {
        try {
            dumpTables(model, options.dumpFolder);
        } catch (const Failure &failure) {
            if (outcome.exitCode == kExitSuccess)
                outcome.exitCode = kExitAlbumFailed;
            outcome.message = outcome.message.isEmpty() ? failure.message() : outcome.message + u'\n' + failure.message();
        }
    }
    return outcome;
}

} // namespace velumo::cli
