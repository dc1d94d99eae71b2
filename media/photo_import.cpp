#include "media/photo_import.h"

#include "app/base/failure.h"
#include "app/base/ordered_jobs.h"
#include "app/project/photo_columns.h"
#include "app/project/project_model.h"
#include "app/workspace/tree_removal.h"
#include "assign/instance_paths.h"
#include "assign/photo_fitting.h"
#include "assign/template_assignment.h"
#include "assign/template_instances.h"
#include "media/photo/photo_file.h"
#include "media/photo/thumbnail.h"
#include "media/photo_list.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

namespace pc = photo_column;

const QString kNotDone = u"jiancai_no"_s;
const QString kDone = u"jiancai_yes"_s;

// What measuring one chosen file gives: its displayed size and its thumbnail picture, decoded
// once, or why the file cannot be used.
struct MeasuredPhoto
{
    QSize displayed;
    QImage thumbnailPicture;
    QString problem; // why the file cannot be used; empty when it can
};

CropModes cropModes(const Form17State &form17)
{
    return {form17.suiRadioButton_hengzhaopian_quanping, form17.suiRadioButton_shuzhaopian_jubufangda};
}

QSize thumbnailCell(const Form1State &form1)
{
    return QSize(form1.Edit_xiangpian_Width.number(), form1.Edit_xiangpian_Height.number());
}

MeasuredPhoto measure(const QString &path, QSize cell)
{
    MeasuredPhoto measured;
    try {
        const PhotoFile photo = PhotoFile::open(path);
        measured.displayed = photo.displayedSize();
        // Decoding the thumbnail now proves the photo decodes before any template is drawn.
        measured.thumbnailPicture = photo.render(thumbnailPictureSize(measured.displayed, cell));
    } catch (const PhotoUnusable &unusable) {
        measured.problem = unusable.reason();
    }
    return measured;
}

void appendBatchRow(StringTable &batch, const QString &path, QSize displayed)
{
    const QFileInfo info(path);
    const QString suffix = info.suffix();
    const bool landscape = displayed.width() >= displayed.height();
    QStringList row;
    row << QString::number(batch.rowCount() + 1) << path << info.completeBaseName()
        << (suffix.isEmpty() ? QString() : u"."_s + suffix) << QString::number(displayed.width())
        << QString::number(displayed.height()) << (landscape ? u"heng_zhao"_s : u"shu_zhao"_s);
    while (row.size() < pc::kBatchColumns)
        row << QString();
    batch.appendRow(row);
}

QByteArray encodeBitmap(const QImage &image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "bmp");
    if (!writer.write(image))
        throw Failure(u"无法生成缩略图：%1"_s.arg(writer.errorString()));
    return bytes;
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Failure(u"无法写入文件：%1"_s.arg(QDir::toNativeSeparators(path)));
}

class BatchImport
{
public:
    BatchImport(const ProgramFolder &program, ProjectModel &model, RandomSource &random, const ImportFeedback &feedback)
        : m_program(program)
        , m_model(model)
        , m_form1(model.form1)
        , m_random(random)
        , m_feedback(feedback)
    {
    }

    PhotoImportReport run(const QStringList &files)
    {
        PhotoImportReport report;
        m_form1.ListView_daoruxiangpianchuli.clear();
        measureAll(files, report);
        m_feedback.stageFinished(ImportStage::Measured);
        const int batchSize = m_form1.ListView_daoruxiangpianchuli.rowCount();
        report.imported = batchSize;
        if (batchSize == 0)
            return report;

        m_feedback.setMaximum(4 * batchSize);
        if (m_form1.ListView_daoruxiangpian.rowCount() == 0)
            m_model.mainForm.Edit_daoru_moban_kaishishiyong_kaiguan.setText(u"kai"_s);

        const Snapshot before = snapshot();
        try {
            placeBatch();
        } catch (...) {
            restore(before);
            throw;
        }
        return report;
    }

private:
    struct Snapshot
    {
        int albumRows;
        int instances;
    };

    void measureAll(const QStringList &files, PhotoImportReport &report)
    {
        const QSize cell = thumbnailCell(m_form1);
        const std::function<MeasuredPhoto(int)> job = [&files, cell](int i) { return measure(files.at(i), cell); };
        const std::function<void(int, MeasuredPhoto &)> keep = [&](int i, MeasuredPhoto &measured) {
            m_feedback.keepAlive();
            if (!measured.problem.isEmpty()) {
                report.skipped.append({files.at(i), measured.problem});
                return;
            }
            appendBatchRow(m_form1.ListView_daoruxiangpianchuli, files.at(i), measured.displayed);
            m_thumbnailPictures.push_back(std::move(measured.thumbnailPicture));
        };
        runJobsInOrder(int(files.size()), job, keep, m_feedback.keepAlive);
    }

    void placeBatch()
    {
        const auto step = [this] {
            m_feedback.advance();
            m_feedback.keepAlive();
        };
        const int firstNewRow = m_form1.ListView_daoruxiangpian.rowCount();
        assignBatch(m_form1, m_random, step);
        m_feedback.stageFinished(ImportStage::Assigned);
        prepareInstances(m_program, m_form1, m_model.mainForm, m_feedback.advance, m_feedback.keepAlive);
        if (!QFile::exists(instance_paths::closingMovie(m_program, m_form1.Edit_kuozhanming_1.text())))
            prepareClosingTemplate(m_program, m_form1);
        m_feedback.stageFinished(ImportStage::InstancesReady);
        makeThumbnails(firstNewRow);
        m_feedback.stageFinished(ImportStage::ThumbnailsMade);
        fitPhotos(m_program, m_form1, cropModes(m_model.form17), step, m_feedback.keepAlive);
        m_feedback.stageFinished(ImportStage::PhotosFitted);
        rebuildPhotoList(m_form1, m_feedback.keepAlive);
        m_feedback.stageFinished(ImportStage::ListRebuilt);
    }

    void makeThumbnails(int firstNewRow)
    {
        StringTable &photos = m_form1.ListView_daoruxiangpian;
        const QSize cell = thumbnailCell(m_form1);
        // The import window's fitting box records what is being rendered.
        m_model.mainForm.Edit_Width.setText(QString::number(cell.width() - kThumbnailCellMargin));
        m_model.mainForm.Edit_height.setText(QString::number(cell.height() - kThumbnailCellMargin));
        for (int row = 0; row < photos.rowCount(); ++row) {
            if (photos.cell(row, pc::kThumbnailMark) != kNotDone)
                continue;
            m_feedback.advance();
            m_feedback.keepAlive();
            const int batchIndex = row - firstNewRow;
            const QImage picture = batchIndex >= 0 && size_t(batchIndex) < m_thumbnailPictures.size()
                ? m_thumbnailPictures[size_t(batchIndex)]
                : renderThumbnailPicture(row, cell);
            writeFile(instance_paths::thumbnail(m_program, row + 1, m_form1.Edit_kuozhanming_7.text()),
                      encodeBitmap(frameThumbnail(picture)));
            photos.setCell(row, pc::kThumbnailMark, kDone);
        }
    }

    QImage renderThumbnailPicture(int row, QSize cell) const
    {
        const StringTable &photos = m_form1.ListView_daoruxiangpian;
        const PhotoFile photo = PhotoFile::open(photos.cell(row, pc::kPath));
        return photo.render(thumbnailPictureSize(photo.displayedSize(), cell));
    }

    Snapshot snapshot() const
    {
        return {m_form1.ListView_daoruxiangpian.rowCount(), m_form1.Edit_mobanleijia_sum.number()};
    }

    // Takes back what the failed batch added: its rows, its instance numbers, folders and
    // thumbnails. Earlier photos keep everything they had.
    void restore(const Snapshot &before)
    {
        StringTable &photos = m_form1.ListView_daoruxiangpian;
        for (int row = before.albumRows; row < photos.rowCount(); ++row)
            QFile::remove(instance_paths::thumbnail(m_program, row + 1, m_form1.Edit_kuozhanming_7.text()));
        while (photos.rowCount() > before.albumRows)
            photos.deleteRow(before.albumRows);
        const int opened = m_form1.Edit_mobanleijia_sum.number();
        for (int n = before.instances + 1; n <= opened; ++n)
            removeTree(instance_paths::folder(m_program, QString::number(n)));
        m_form1.Edit_mobanleijia_sum.setText(QString::number(before.instances));
    }

    const ProgramFolder &m_program;
    ProjectModel &m_model;
    Form1State &m_form1;
    RandomSource &m_random;
    const ImportFeedback &m_feedback;
    std::vector<QImage> m_thumbnailPictures; // one per batch row
};

} // namespace

PhotoImportReport importPhotos(const ProgramFolder &program, ProjectModel &model, RandomSource &random,
                               const QStringList &files, const ImportFeedback &feedback)
{
    return BatchImport(program, model, random, feedback).run(files);
}

QString skippedPhotosMessage(const PhotoImportReport &report)
{
    // The message box has room for a few lines; a long list names the first files only.
    constexpr int kListed = 4;
    if (report.skipped.isEmpty())
        return QString();
    if (report.skipped.size() == 1) {
        const SkippedPhoto &only = report.skipped.first();
        return u"无法读取相片“%1”：%2。这张相片没有添加。"_s.arg(QFileInfo(only.path).fileName(), only.reason);
    }
    QStringList lines;
    for (const SkippedPhoto &skipped : report.skipped.first(std::min<qsizetype>(kListed, report.skipped.size())))
        lines << u"%1（%2）"_s.arg(QFileInfo(skipped.path).fileName(), skipped.reason);
    if (report.skipped.size() > kListed)
        lines << u"……另有%1张"_s.arg(report.skipped.size() - kListed);
    return u"以下%1张相片无法读取，没有添加：\n"_s.arg(report.skipped.size()) + lines.join(u'\n');
}

} // namespace velumo
