#include "app/cli/media_batches.h"

#include "app/project/project_model.h"
#include "media/lyric_import.h"
#include "media/music_import.h"
#include "media/photo_import.h"

#include <QCoreApplication>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace velumo::cli {
namespace {

void addPhotos(const ProgramFolder &program, ProjectModel &model, RandomSource &random, const QStringList &files,
               const std::function<void(const QString &)> &skipped)
{
    const ImportFeedback feedback{[](int) {}, [] {}, [] { QCoreApplication::processEvents(); }};
    const PhotoImportReport report = importPhotos(program, model, random, files, feedback);
    // One line per file: the terminal has room for all of them, the message box had not.
    for (const SkippedPhoto &photo : report.skipped)
        skipped(skippedPhotosMessage(PhotoImportReport{0, {photo}}));
    model.form1.Edit_tubiao_liebiao.setText(u"tubiao"_s);
    // The photo panel's rebuild counts its thumbnails.
    if (const int count = model.form1.ListView_daoruxiangpian.rowCount(); count > 0)
        model.form1.Edit_xianshikuang_pailie.setText(QString::number(count));
}

void addSongs(const ProgramFolder &program, ProjectModel &model, MediaPlayer &player, const QStringList &files,
              const std::function<void(const QString &)> &skipped)
{
    Form1State &form1 = model.form1;
    for (const QString &refusal : importSongs(form1, program, player, files).refusals)
        skipped(refusal);
    form1.Edit_tubiao_liebiao.setText(u"tubiao"_s);
    if (const int count = form1.ListView_daoru_yinyue.rowCount(); count > 0)
        form1.Edit_xianshikuang_pailie_yinyue.setText(QString::number(count));
}

void addLyrics(const ProgramFolder &program, ProjectModel &model, const QStringList &files,
               const std::function<void(const QString &)> &skipped)
{
    Form1State &form1 = model.form1;
    for (const QString &refusal : importLyrics(form1, program, files).refusals)
        skipped(refusal);
    deleteLyricImportLeftovers(program);
    form1.Edit_tubiao_liebiao.setText(u"tubiao"_s);
    if (const int count = form1.ListView_daoru_LRC.rowCount(); count > 0)
        form1.Edit_xianshikuang_pailie_geci.setText(QString::number(count));
}

} // namespace

std::optional<MediaFileKind> mediaFileKind(const QString &path)
{
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == u"jpg"_s || suffix == u"jpeg"_s)
        return MediaFileKind::Photo;
    if (suffix == u"mp3"_s)
        return MediaFileKind::Song;
    if (suffix == u"lrc"_s)
        return MediaFileKind::Lyric;
    return std::nullopt;
}

void addMediaFiles(const ProgramFolder &program, ProjectModel &model, RandomSource &random, MediaPlayer &player,
                   const QStringList &files, const std::function<void(const QString &)> &skipped)
{
    qsizetype first = 0;
    while (first < files.size()) {
        const std::optional<MediaFileKind> kind = mediaFileKind(files.at(first));
        qsizetype end = first + 1;
        while (end < files.size() && mediaFileKind(files.at(end)) == kind)
            ++end;
        const QStringList batch = files.mid(first, end - first);
        if (kind == MediaFileKind::Photo)
            addPhotos(program, model, random, batch, skipped);
        else if (kind == MediaFileKind::Song)
            addSongs(program, model, player, batch, skipped);
        else if (kind == MediaFileKind::Lyric)
            addLyrics(program, model, batch, skipped);
        first = end;
    }
}

} // namespace velumo::cli
