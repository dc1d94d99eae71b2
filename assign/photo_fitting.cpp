#include "assign/photo_fitting.h"

#include "app/base/failure.h"
#include "app/base/ordered_jobs.h"
#include "app/project/form1_state.h"
#include "app/project/photo_columns.h"
#include "assign/instance_paths.h"
#include "media/photo/photo_file.h"

#include <QBuffer>
#include <QDir>
#include <QImageWriter>
#include <QPainter>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace velumo {
namespace {

namespace pc = photo_column;

struct FitTask
{
    int row;
    QString photoPath;
    QSize photoSize;
    QSize slotSize;
    QString target;
};

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw Failure(u"无法写入文件：%1"_s.arg(QDir::toNativeSeparators(path)));
}

} // namespace

QImage composeFittedPhoto(const PhotoFile &photo, const FitGeometry &geometry)
{
    const QImage scaled = photo.render(geometry.scaled);
    if (scaled.size() == geometry.canvas)
        return scaled;
    QImage canvas(geometry.canvas, QImage::Format_RGB32);
    canvas.fill(Qt::black);
    QPainter painter(&canvas);
    painter.drawImage(0, 0, scaled);
    return canvas;
}

QByteArray encodeSlotPhoto(const QImage &picture)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(kSlotPhotoQuality);
    if (!writer.write(picture))
        throw Failure(u"无法保存剪裁后的相片：%1"_s.arg(writer.errorString()));
    return bytes;
}

void fitPhotos(const ProgramFolder &program, Form1State &form1, CropModes modes,
               const std::function<void()> &step, const std::function<void()> &keepAlive)
{
    StringTable &photos = form1.ListView_daoruxiangpian;
    const QString extension = form1.Edit_kuozhanming_2.text();
    std::vector<FitTask> tasks;
    for (int row = 0; row < photos.rowCount(); ++row) {
        if (photos.cell(row, pc::kFittingMark) != u"jiancai_no"_s)
            continue;
        tasks.push_back({row, photos.cell(row, pc::kPath),
                         QSize(photos.cellNumber(row, pc::kWidth), photos.cellNumber(row, pc::kHeight)),
                         QSize(photos.cellNumber(row, pc::kSlotWidth), photos.cellNumber(row, pc::kSlotHeight)),
                         instance_paths::slotPhoto(program, photos.cell(row, pc::kInstance),
                                                   photos.cell(row, pc::kSlotName), extension)});
    }

    const std::function<QByteArray(int)> fit = [&tasks, modes](int i) {
        const FitTask &task = tasks[size_t(i)];
        const PhotoFile photo = PhotoFile::open(task.photoPath);
        return encodeSlotPhoto(composeFittedPhoto(photo, fitGeometry(task.photoSize, task.slotSize, modes)));
    };
    const std::function<void(int, QByteArray &)> store = [&](int i, QByteArray &jpeg) {
        const FitTask &task = tasks[size_t(i)];
        step();
        writeFile(task.target, jpeg);
        photos.setCell(task.row, pc::kFittingMark, u"jiancai_yes"_s);
    };
    runJobsInOrder(int(tasks.size()), fit, store, keepAlive);
}

} // namespace velumo
