#include "app/panels/item_exchange.h"

#include "app/base/failure.h"
#include "app/project/form1_state.h"
#include "app/workspace/program_folder.h"

#include <QDir>
#include <algorithm>
#include <QFile>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

constexpr int kInstanceColumn = 7;
constexpr int kThumbnailMarkColumn = 20;
const QString kInstanceRoot = u"smxcwjj\\tp_wjj\\tp_wjj\\"_s;

void checkRowsExist(const MediaTables &tables, int dragged, const std::vector<int> &partners)
{
    const int rows = std::min(tables.items.rowCount(), tables.list.rowCount());
    const auto outside = [rows](int row) { return row < 0 || row >= rows; };
    if (outside(dragged) || std::any_of(partners.begin(), partners.end(), outside))
        throw Failure(u"要调整顺序的项目已不在列表中，请重新选择。"_s);
}

// The two name cards trade places through a scratch name of their own folder.
void exchangeCards(const Form1State &form1, const ProgramFolder &program, MediaKind kind, int a, int b)
{
    const QString folder = program.resolve(thumbnailFolder(kind)) + u"/"_s;
    const QString scratch = folder + thumbnailStem(kind) + u"000"_s + form1.Edit_kuozhanming_7.text();
    const QString first = thumbnailFile(program, form1, kind, a + 1);
    const QString second = thumbnailFile(program, form1, kind, b + 1);
    QFile::remove(scratch);
    renameIfPresent(first, scratch);
    renameIfPresent(second, first);
    renameIfPresent(scratch, second);
}

void renumberPhotoThumbnails(const Form1State &form1, const ProgramFolder &program)
{
    const StringTable &photos = form1.ListView_daoruxiangpian;
    const QString folder = program.resolve(thumbnailFolder(MediaKind::Photos)) + u"/"_s;
    const QString stem = thumbnailStem(MediaKind::Photos);
    const QString ext = form1.Edit_kuozhanming_7.text();
    const auto parked = [&](const QString &number) -> QString { return folder + number + u"_"_s + stem + number + ext; };
    // Every thumbnail steps aside first, so no rename below can meet a file still in its place.
    for (int n = 1; n <= photos.rowCount(); ++n)
        renameIfPresent(thumbnailFile(program, form1, MediaKind::Photos, n), parked(QString::number(n)));
    // A row's caption still holds the number its thumbnail was made under.
    for (int row = 0; row < photos.rowCount(); ++row)
        renameIfPresent(parked(photos.caption(row)), thumbnailFile(program, form1, MediaKind::Photos, row + 1));
}

} // namespace

bool renameIfPresent(const QString &from, const QString &to)
{
    if (!QFileInfo::exists(from) || QFileInfo::exists(to))
        return false;
    return QDir().rename(from, to);
}

void renumberCaptions(StringTable &table)
{
    for (int row = 0; row < table.rowCount(); ++row)
        table.setCaption(row, QString::number(row + 1));
}

void renumberTemplateInstances(Form1State &form1, const ProgramFolder &program)
{
    StringTable &photos = form1.ListView_daoruxiangpian;
    const QString root = program.resolve(kInstanceRoot);
    const QString movieExt = form1.Edit_kuozhanming_1.text();
    const auto folder = [&](int n) -> QString { return root + u"tp_wjj_"_s + QString::number(n); };
    const auto parked = [&](const QString &k) -> QString { return root + k + u"_tp_wjj_"_s + k; };

    const int instances = form1.Edit_mobanleijia_sum.number();
    for (int j = 1; j <= instances; ++j)
        renameIfPresent(folder(j), parked(QString::number(j)));

    for (int row = 0; row < photos.rowCount(); ++row)
        photos.setCell(row, kThumbnailMarkColumn, QString());
    int count = 0;
    for (int row = 0; row < photos.rowCount(); ++row) {
        if (!photos.cell(row, kThumbnailMarkColumn).isEmpty())
            continue;
        const QString k = photos.cell(row, kInstanceColumn);
        ++count;
        const QString number = QString::number(count);
        renameIfPresent(parked(k) + u"/w_j_"_s + k + movieExt, parked(k) + u"/w_j_"_s + number + movieExt);
        renameIfPresent(parked(k), folder(count));
        for (int other = row; other < photos.rowCount(); ++other) {
            if (photos.cell(other, kThumbnailMarkColumn).isEmpty() && photos.cell(other, kInstanceColumn) == k) {
                photos.setCell(other, kInstanceColumn, number);
                photos.setCell(other, kThumbnailMarkColumn, u"jiancai_yes"_s);
            }
        }
    }
}

void dropItem(Form1State &form1, const ProgramFolder &program, MediaKind kind, int dragged,
              const std::vector<int> &partners)
{
    const MediaTables tables = mediaTables(form1, kind);
    checkRowsExist(tables, dragged, partners);
    if (partners.empty())
        return;
    for (const int partner : partners) {
        tables.items.exchangeRows(dragged, partner);
        tables.list.exchangeRows(dragged, partner);
        if (kind != MediaKind::Photos)
            exchangeCards(form1, program, kind, dragged, partner);
    }
    if (kind == MediaKind::Photos) {
        renumberTemplateInstances(form1, program);
        renumberPhotoThumbnails(form1, program);
    }
    // Row numbers are positions: card and thumbnail files, deletes and the user all count by them.
    renumberCaptions(tables.items);
    renumberCaptions(tables.list);
}

} // namespace velumo
