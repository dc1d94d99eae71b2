#include "app/cli/table_dump.h"

#include "app/base/failure.h"
#include "app/project/project_model.h"

#include <QDir>
#include <QSaveFile>

using namespace Qt::Literals::StringLiterals;

namespace velumo::cli {
namespace {

QByteArray dumpLine(const QStringList &cells)
{
    QStringList line;
    line.reserve(cells.size());
    for (const QString &cell : cells)
        line << dumpCell(cell);
    return (line.join(u'\t') + u'\n').toUtf8();
}

void writeFile(const QString &path, const QByteArray &contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() || !file.commit())
        throw Failure(u"无法写入项目表文件：%1"_s.arg(QDir::toNativeSeparators(path)));
}

} // namespace

QString dumpCell(const QString &text)
{
    QString cell = text;
    for (QChar &c : cell) {
        if (c == u'\t' || c == u'\n' || c == u'\r')
            c = u' ';
    }
    return cell;
}

void dumpTables(ProjectModel &model, const QString &folder)
{
    if (!QDir().mkpath(folder))
        throw Failure(u"无法创建文件夹：%1"_s.arg(QDir::toNativeSeparators(folder)));
    const QDir dir(folder);
    for (const OwnedTable &entry : model.tables()) {
        const StringTable &table = *entry.table;
        QByteArray contents = dumpLine(table.columnCaptions());
        for (int row = 0; row < table.rowCount(); ++row)
            contents += dumpLine(table.row(row));
        writeFile(dir.filePath(entry.owner + u'.' + table.name() + u".tsv"_s), contents);
    }
    QByteArray values = dumpLine({u"名称"_s, u"值"_s});
    for (const OwnedValue &entry : model.values())
        values += dumpLine({entry.owner + u'.' + entry.value->name(), entry.value->text()});
    writeFile(dir.filePath(u"values.tsv"_s), values);
}

} // namespace velumo::cli
