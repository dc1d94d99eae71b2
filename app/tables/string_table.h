#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace velumo {

// An ordered list of rows of text, the shared container between windows. Column 0 of a row
// is its caption, columns 1..n-1 its cells; every row always has all the table's columns.
// Rows are indexed from 0. Every out-of-range row or column, wrong column count and
// non-numeric conversion throws velumo::Failure; error messages count rows and columns from 1,
// as the user sees them, and name the table.
//
// A table's name and columns are its identity, so tables are neither copied nor assigned:
// move rows between tables with copyRowTo().
class StringTable
{
public:
    StringTable(const QString &name, const QStringList &columnCaptions);
    StringTable(const StringTable &) = delete;
    StringTable &operator=(const StringTable &) = delete;

    const QString &name() const { return m_name; }
    const QStringList &columnCaptions() const { return m_columnCaptions; }
    int columnCount() const { return int(m_columnCaptions.size()); }
    int rowCount() const { return int(m_rows.size()); }

    // `columns` holds exactly columnCount() texts, the caption first.
    void appendRow(const QStringList &columns);
    // Later rows move up by one; their captions stay as they are.
    void deleteRow(int row);
    void clear();

    const QString &caption(int row) const;
    void setCaption(int row, const QString &text);
    // Column 0 is the caption.
    const QString &cell(int row, int column) const;
    void setCell(int row, int column, const QString &text);
    // The cell read as decimal text (see parseDecimalInt).
    int cellNumber(int row, int column) const;
    // All columns of a row, the caption first.
    const QStringList &row(int row) const;

    // Swaps the complete contents of two rows, captions included.
    void exchangeRows(int a, int b);
    // Appends a copy of `row` to `target`, which must have as many columns.
    void copyRowTo(int row, StringTable &target) const;
    // The first row, searching from row 0, whose caption starts with `prefix`.
    std::optional<int> findCaptionPrefix(const QString &prefix) const;

private:
    void checkRow(int row) const;
    void checkCell(int row, int column) const;

    QString m_name;
    QStringList m_columnCaptions;
    QList<QStringList> m_rows;
};

} // namespace velumo
