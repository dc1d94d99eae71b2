#include "app/tables/string_table.h"

#include "app/base/failure.h"
#include "app/tables/decimal_text.h"

#include <utility>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

StringTable::StringTable(const QString &name, const QStringList &columnCaptions)
    : m_name(name)
    , m_columnCaptions(columnCaptions)
{
}

void StringTable::appendRow(const QStringList &columns)
{
    if (columns.size() != m_columnCaptions.size()) {
        throw Failure(u"表格 %1 的一行应有 %2 列，实际给出 %3 列"_s
                          .arg(m_name)
                          .arg(m_columnCaptions.size())
                          .arg(columns.size()));
    }
    m_rows.append(columns);
}

void StringTable::deleteRow(int row)
{
    checkRow(row);
    m_rows.removeAt(row);
}

void StringTable::clear()
{
    m_rows.clear();
}

const QString &StringTable::caption(int row) const
{
    return cell(row, 0);
}

void StringTable::setCaption(int row, const QString &text)
{
    setCell(row, 0, text);
}

const QString &StringTable::cell(int row, int column) const
{
    checkCell(row, column);
    return m_rows.at(row).at(column);
}

void StringTable::setCell(int row, int column, const QString &text)
{
    checkCell(row, column);
    m_rows[row][column] = text;
}

int StringTable::cellNumber(int row, int column) const
{
    const QString &text = cell(row, column);
    if (const std::optional<int> number = parseDecimalInt(text))
        return *number;
    throw Failure(u"表格 %1 第 %2 行第 %3 列（%4）的内容“%5”不是整数"_s
                      .arg(m_name)
                      .arg(row + 1)
                      .arg(column + 1)
                      .arg(m_columnCaptions.at(column), text));
}

const QStringList &StringTable::row(int row) const
{
    checkRow(row);
    return m_rows.at(row);
}

void StringTable::exchangeRows(int a, int b)
{
    checkRow(a);
    checkRow(b);
    if (a != b)
        std::swap(m_rows[a], m_rows[b]);
}

void StringTable::copyRowTo(int row, StringTable &target) const
{
    checkRow(row);
    if (target.columnCount() != columnCount()) {
        throw Failure(u"无法把表格 %1 的第 %2 行复制到表格 %3：列数不同（%4 列与 %5 列）"_s
                          .arg(m_name)
                          .arg(row + 1)
                          .arg(target.m_name)
                          .arg(columnCount())
                          .arg(target.columnCount()));
    }
    // Copied before appending, so copying a row into its own table is safe.
    const QStringList copy = m_rows.at(row);
    target.m_rows.append(copy);
}

std::optional<int> StringTable::findCaptionPrefix(const QString &prefix) const
{
    for (int i = 0; i < rowCount(); ++i) {
        if (m_rows.at(i).at(0).startsWith(prefix))
            return i;
    }
    return std::nullopt;
}

void StringTable::checkRow(int row) const
{
    if (row < 0 || row >= rowCount())
        throw Failure(u"表格 %1 没有第 %2 行（共 %3 行）"_s.arg(m_name).arg(row + 1).arg(rowCount()));
}

void StringTable::checkCell(int row, int column) const
{
    checkRow(row);
    if (column < 0 || column >= columnCount()) {
        throw Failure(u"表格 %1 第 %2 行没有第 %3 列（共 %4 列）"_s
                          .arg(m_name)
                          .arg(row + 1)
                          .arg(column + 1)
                          .arg(columnCount()));
    }
}

} // namespace velumo
