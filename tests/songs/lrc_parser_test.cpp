// The LRC parser's result table, line by line, with its deliberate order: file order, tags
// within a line right to left, metadata last.
#include "media/lrc_parser.h"

#include "app/project/form1_state.h"
#include "media/lrc_tables.h"

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;

namespace {

using Rows = QList<std::pair<QString, QString>>;

Rows resultOf(const QStringList &lines)
{
    Rows rows;
    for (const LrcPair &pair : parseLrcLines(lines).result)
        rows.append({pair.caption, pair.text});
    return rows;
}

std::string show(const Rows &rows)
{
    QString text;
    for (const auto &[caption, lyric] : rows)
        text += u"(%1|%2) "_s.arg(caption, lyric);
    return text.toStdString();
}

} // namespace

TEST(LrcParser, ResultRowsFollowTheAlgorithmsOrder)
{
    const struct
    {
        const char *what;
        QStringList lines;
        Rows expected;
    } cases[] = {
        {"one tagged line", {u"[00:12.30]你好"_s}, {{u"00:00"_s, {}}, {u"00:12.30"_s, u"你好"_s}}},
        {"two tags share the text, right to left",
         {u"[00:10.00][01:20.00]副歌"_s},
         {{u"00:00"_s, {}}, {u"01:20.00"_s, u"副歌"_s}, {u"00:10.00"_s, u"副歌"_s}}},
        {"a tag after text takes the text up to the next tag",
         {u"[00:01.00]a[00:05.00]b"_s},
         {{u"00:00"_s, {}}, {u"00:05.00"_s, u"b"_s}, {u"00:01.00"_s, u"a"_s}}},
        {"three adjacent tags", {u"[00:01.00][00:02.00][00:03.00]x"_s},
         {{u"00:00"_s, {}}, {u"00:03.00"_s, u"x"_s}, {u"00:02.00"_s, u"x"_s}, {u"00:01.00"_s, u"x"_s}}},
        {"metadata line", {u"[ti:月亮]"_s}, {{u"00:00"_s, {}}, {u"ti"_s, u"月亮"_s}}},
        {"metadata line with a trailing blank", {u"[ti:月亮] "_s}, {{u"00:00"_s, {}}, {u"ti"_s, u"月亮"_s}}},
        {"metadata comes after every time row, in file order of the kept tag lines",
         {u"[ar:歌手]"_s, u"[00:01.00]一"_s, u"[ti:歌名] "_s, u"[00:02.00]二"_s},
         {{u"00:00"_s, {}}, {u"00:01.00"_s, u"一"_s}, {u"00:02.00"_s, u"二"_s}, {u"ar"_s, u"歌手"_s},
          {u"ti"_s, u"歌名"_s}}},
        {"not sorted: the file's order stands",
         {u"[00:30.00]后"_s, u"[00:10.00]前"_s},
         {{u"00:00"_s, {}}, {u"00:30.00"_s, u"后"_s}, {u"00:10.00"_s, u"前"_s}}},
        {"other tag lines are dropped", {u"[offset:500]"_s, u"[01:02.50]"_s, u"[by:]"_s},
         {{u"00:00"_s, {}}, {u"by"_s, QString()}}},
        {"text before the first tag is dropped", {u"前奏[00:03.00]歌"_s}, {{u"00:00"_s, {}}, {u"00:03.00"_s, u"歌"_s}}},
        {"lines without brackets and empty lines give nothing", {u"纯文字"_s, QString(), u"x"_s}, {{u"00:00"_s, {}}}},
        {"a lone [ near the end is text, not a crash",
         {u"[00:04.00]a[b"_s},
         {{u"00:00"_s, {}}, {u"00:04.00"_s, u"a[b"_s}}},
        {"the last character is never looked at", {u"[00:05.00]歌["_s}, {{u"00:00"_s, {}}, {u"00:05.00"_s, u"歌["_s}}},
        {"unmatched: the n-th [ from the right pairs with the n-th ] from the right",
         {u"[a]b]c[d]e"_s},
         {{u"00:00"_s, {}}, {u"d"_s, u"e"_s}, {u"a]b"_s, u"c"_s}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        const Rows rows = resultOf(c.lines);
        EXPECT_EQ(rows, c.expected) << show(rows);
    }
}

TEST(LrcParser, UntaggedLinesKeepWhatStoodBeforeTheirFirstTag)
{
    const LrcParse parse = parseLrcLines({u"前奏[00:03.00]歌"_s, u"[ti:x]"_s, QString()});
    EXPECT_EQ(parse.untaggedLines, (QStringList{u"前奏"_s, QString()}));
    EXPECT_EQ(parse.tagLines, QStringList{u"[ti:x]"_s});
}

TEST(LrcLookup, TheFirstRowWhoseCaptionStartsWithTheClockWins)
{
    Form1State form1;
    storeLrcParse(form1, parseLrcLines({u"[00:00.50]太早"_s, u"[00:07.10]甲"_s, u"[00:07.90]乙"_s,
                                        u"[1:02.50]一位分钟"_s, u"[01:02.50]两位分钟"_s}));
    const StringTable &result = form1.ListView_LRC_3;
    ASSERT_EQ(result.caption(0), u"00:00"_s);

    const struct
    {
        qint64 ms;
        std::optional<QString> line;
    } cases[] = {
        {0, QString()},              // the empty first row hides the 00:00.50 line
        {500, QString()},
        {7000, u"甲"_s},             // two tags in one second: the earlier row wins
        {7950, u"甲"_s},
        {62000, u"两位分钟"_s},      // [1:02.50] never matches 01:02
        {30000, std::nullopt},       // no row: the caller keeps the previous line
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.ms);
        EXPECT_EQ(lrcLineAt(result, c.ms), c.line);
    }
    EXPECT_EQ(lrcClockText(3725000), u"62:05"_s);
}

TEST(LrcLookup, StoringAParseReplacesThePreviousOne)
{
    Form1State form1;
    storeLrcParse(form1, parseLrcLines({u"[00:01.00]a"_s, u"b"_s}));
    storeLrcParse(form1, parseLrcLines({u"[00:02.00]c"_s}));
    EXPECT_EQ(form1.ListView_LRC_1.rowCount(), 1);
    EXPECT_EQ(form1.ListView_LRC_2.rowCount(), 1);
    ASSERT_EQ(form1.ListView_LRC_3.rowCount(), 2);
    EXPECT_EQ(form1.ListView_LRC_3.cell(1, 1), u"c"_s);
}
