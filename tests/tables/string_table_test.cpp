#include "app/base/failure.h"
#include "app/tables/string_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>

using namespace Qt::Literals::StringLiterals;
using velumo::Failure;
using velumo::StringTable;

namespace {

QList<QStringList> allRows(const StringTable &table)
{
    QList<QStringList> rows;
    for (int i = 0; i < table.rowCount(); ++i)
        rows << table.row(i);
    return rows;
}

// Three songs, captions numbered 1..3 as the music table keeps them.
class ThreeRowTable : public ::testing::Test
{
protected:
    ThreeRowTable()
    {
        table.appendRow({u"1"_s, u"甲"_s, u"10"_s});
        table.appendRow({u"2"_s, u"乙"_s, u"20"_s});
        table.appendRow({u"3"_s, u"丙"_s, u"30"_s});
    }

    StringTable table{u"ListView_daoru_yinyue"_s, {u"序号"_s, u"音乐文件名"_s, u"需要帧数"_s}};
};

TEST_F(ThreeRowTable, AppendAddsTheRowAtTheEnd)
{
    table.appendRow({u"4"_s, u"丁"_s, u"40"_s});

    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.row(3), (QStringList{u"4"_s, u"丁"_s, u"40"_s}));
    EXPECT_EQ(table.caption(3), u"4"_s);
    EXPECT_EQ(table.cell(2, 1), u"丙"_s);
}

TEST_F(ThreeRowTable, AppendWithWrongColumnCountIsRefusedAndAddsNothing)
{
    const QList<QStringList> wrongRows = {
        {},
        {u"4"_s},
        {u"4"_s, u"丁"_s},
        {u"4"_s, u"丁"_s, u"40"_s, u"extra"_s},
    };
    for (const QStringList &columns : wrongRows) {
        SCOPED_TRACE(columns.join(u'|').toStdString());
        EXPECT_THROW(table.appendRow(columns), Failure);
        EXPECT_EQ(table.rowCount(), 3);
    }
}

TEST_F(ThreeRowTable, OutOfRangeAccessFailsAndLeavesTheTableUnchanged)
{
    StringTable other{u"other"_s, {u"a"_s, u"b"_s, u"c"_s}};
    struct Case
    {
        const char *what;
        std::function<void()> access;
    };
    const Case cases[] = {
        {"cell past last row", [&] { (void)table.cell(3, 0); }},
        {"cell at negative row", [&] { (void)table.cell(-1, 1); }},
        {"cell past last column", [&] { (void)table.cell(0, 3); }},
        {"cell at negative column", [&] { (void)table.cell(0, -1); }},
        {"write past last row", [&] { table.setCell(3, 1, u"x"_s); }},
        {"write at negative row", [&] { table.setCell(-1, 1, u"x"_s); }},
        {"write past last column", [&] { table.setCell(1, 3, u"x"_s); }},
        {"write at negative column", [&] { table.setCell(1, -1, u"x"_s); }},
        {"caption past last row", [&] { (void)table.caption(3); }},
        {"caption write at negative row", [&] { table.setCaption(-1, u"x"_s); }},
        {"whole row past last row", [&] { (void)table.row(3); }},
        {"number past last column", [&] { (void)table.cellNumber(0, 3); }},
        {"delete past last row", [&] { table.deleteRow(3); }},
        {"delete at negative row", [&] { table.deleteRow(-1); }},
        {"exchange with row past the end", [&] { table.exchangeRows(0, 3); }},
        {"exchange with negative row", [&] { table.exchangeRows(-1, 0); }},
        {"copy row past the end", [&] { table.copyRowTo(3, other); }},
    };
    const QList<QStringList> before = allRows(table);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_THROW(c.access(), Failure);
        EXPECT_EQ(allRows(table), before);
    }
    EXPECT_EQ(other.rowCount(), 0);
}

TEST(StringTable, EmptyTableHasNoRowZero)
{
    StringTable table{u"ListView_LRC_3"_s, {u"位置"_s, u"歌词"_s}};
    EXPECT_THROW((void)table.caption(0), Failure);
    EXPECT_THROW(table.deleteRow(0), Failure);
}

TEST_F(ThreeRowTable, ErrorMessagesNameTableRowAndColumnCountingFromOne)
{
    const auto messageOf = [](const std::function<void()> &access) {
        try {
            access();
        } catch (const Failure &failure) {
            return failure.message();
        }
        return u"(no failure)"_s;
    };

    EXPECT_EQ(messageOf([&] { (void)table.cell(4, 0); }),
              u"表格 ListView_daoru_yinyue 没有第 5 行（共 3 行）"_s);
    EXPECT_EQ(messageOf([&] { (void)table.cell(1, 3); }),
              u"表格 ListView_daoru_yinyue 第 2 行没有第 4 列（共 3 列）"_s);
    EXPECT_EQ(messageOf([&] { table.appendRow({u"4"_s}); }),
              u"表格 ListView_daoru_yinyue 的一行应有 3 列，实际给出 1 列"_s);
    EXPECT_EQ(messageOf([&] { (void)table.cellNumber(0, 1); }),
              u"表格 ListView_daoru_yinyue 第 1 行第 2 列（音乐文件名）的内容“甲”不是整数"_s);
}

TEST_F(ThreeRowTable, ColumnZeroIsTheCaption)
{
    table.setCell(1, 0, u"七"_s);
    EXPECT_EQ(table.caption(1), u"七"_s);

    table.setCaption(2, u"八"_s);
    EXPECT_EQ(table.cell(2, 0), u"八"_s);
    EXPECT_EQ(table.row(2), (QStringList{u"八"_s, u"丙"_s, u"30"_s}));
}

TEST_F(ThreeRowTable, DeleteMovesLaterRowsUpWithCaptionsUnchanged)
{
    struct Case
    {
        int deleted;
        QStringList remainingCaptions;
        QStringList remainingNames;
    };
    const Case cases[] = {
        {0, {u"2"_s, u"3"_s}, {u"乙"_s, u"丙"_s}},
        {1, {u"1"_s, u"3"_s}, {u"甲"_s, u"丙"_s}},
        {2, {u"1"_s, u"2"_s}, {u"甲"_s, u"乙"_s}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.deleted);
        StringTable copy{table.name(), table.columnCaptions()};
        for (int i = 0; i < table.rowCount(); ++i)
            table.copyRowTo(i, copy);

        copy.deleteRow(c.deleted);

        ASSERT_EQ(copy.rowCount(), 2);
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(copy.caption(i), c.remainingCaptions.at(i));
            EXPECT_EQ(copy.cell(i, 1), c.remainingNames.at(i));
        }
    }
}

TEST_F(ThreeRowTable, ExchangeSwapsCaptionsAndEveryCell)
{
    table.exchangeRows(0, 2);

    EXPECT_EQ(table.row(0), (QStringList{u"3"_s, u"丙"_s, u"30"_s}));
    EXPECT_EQ(table.row(1), (QStringList{u"2"_s, u"乙"_s, u"20"_s}));
    EXPECT_EQ(table.row(2), (QStringList{u"1"_s, u"甲"_s, u"10"_s}));

    table.exchangeRows(1, 1);
    EXPECT_EQ(table.row(1), (QStringList{u"2"_s, u"乙"_s, u"20"_s}));
}

TEST_F(ThreeRowTable, ClearEmptiesButKeepsTheColumns)
{
    table.clear();

    EXPECT_EQ(table.rowCount(), 0);
    EXPECT_EQ(table.columnCount(), 3);
    table.appendRow({u"1"_s, u"戊"_s, u"50"_s});
    EXPECT_EQ(table.cell(0, 1), u"戊"_s);
}

TEST_F(ThreeRowTable, CopyRowAppendsAnIndependentCopyToTheTarget)
{
    StringTable scratch{u"ListView_daoruyinyue_tuodong_linshi"_s, table.columnCaptions()};
    scratch.appendRow({u"9"_s, u"己"_s, u"90"_s});

    table.copyRowTo(1, scratch);
    scratch.setCell(1, 1, u"改"_s);

    ASSERT_EQ(scratch.rowCount(), 2);
    EXPECT_EQ(scratch.row(1), (QStringList{u"2"_s, u"改"_s, u"20"_s}));
    EXPECT_EQ(table.row(1), (QStringList{u"2"_s, u"乙"_s, u"20"_s}));
}

TEST_F(ThreeRowTable, CopyRowIntoItsOwnTableAppendsADuplicate)
{
    table.copyRowTo(0, table);

    ASSERT_EQ(table.rowCount(), 4);
    EXPECT_EQ(table.row(3), table.row(0));
}

TEST_F(ThreeRowTable, CopyRowToATableOfOtherWidthFails)
{
    StringTable narrow{u"ListView_LRC_1"_s, {u"序号"_s, u"歌词"_s}};
    StringTable wide{u"wide"_s, {u"a"_s, u"b"_s, u"c"_s, u"d"_s}};

    EXPECT_THROW(table.copyRowTo(0, narrow), Failure);
    EXPECT_THROW(table.copyRowTo(0, wide), Failure);
    EXPECT_EQ(narrow.rowCount(), 0);
    EXPECT_EQ(wide.rowCount(), 0);
}

TEST(StringTable, FindCaptionPrefixGivesTheFirstMatchFromRowZero)
{
    StringTable lrc{u"ListView_LRC_3"_s, {u"位置"_s, u"歌词"_s}};
    for (const QString &caption : {u"00:00"_s, u"ti"_s, u"[01:02"_s, u"01:02.50"_s, u"01:05.10"_s})
        lrc.appendRow({caption, QString()});

    struct Case
    {
        QString prefix;
        std::optional<int> row;
    };
    const Case cases[] = {
        {u"01:0"_s, 3},  // not row 2, whose caption only contains it
        {u"01:05"_s, 4},
        {u"00:00"_s, 0},
        {u"ti"_s, 1},
        {u"02"_s, std::nullopt},
        {u"01:02.500"_s, std::nullopt}, // longer than the caption
        {u"TI"_s, std::nullopt},        // case-sensitive
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.prefix.toStdString());
        EXPECT_EQ(lrc.findCaptionPrefix(c.prefix), c.row);
    }

    lrc.clear();
    EXPECT_EQ(lrc.findCaptionPrefix(u"01:0"_s), std::nullopt);
}

} // namespace
