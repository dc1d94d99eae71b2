#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace velumo {

struct LrcPair
{
    QString caption; // the row number the pair got when it was added
    QString tag;     // what stood between the brackets: "01:02.50", "ti"
    QString text;
};

// Everything one parse leaves behind, table by table.
struct LrcParse
{
    QStringList untaggedLines; // lines not ending in "]", as left after their tags were cut off
    QStringList tagLines;      // lines ending in "]", then the metadata tags moved here
    QList<LrcPair> pairs;      // tag and text pairs, metadata last
    QList<LrcPair> result;     // ("00:00", "") first, then every pair; caption = tag
};

// Parses the lines of a lyric file. The result is deliberately not sorted: rows follow the
// file's line order, within a line the tags run right to left (each tag takes the text up
// to the next "[", a run of adjacent tags shares the text after the run, text before the first
// "[" is dropped), and the metadata rows "ti", "ar", "al", "by" come last. Lines ending in "]"
// yield only their metadata; time-only lines such as [01:02.50] are dropped.
//
// Within a line the n-th "[" from the right pairs with the n-th "]" from the right. A "[" for
// which no such "]" exists is plain text.
LrcParse parseLrcLines(const QStringList &lines);

} // namespace velumo
