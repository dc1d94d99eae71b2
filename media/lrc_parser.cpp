#include "media/lrc_parser.h"

#include <algorithm>
#include <array>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

// The characters of `s` from 1-based `start`, at most `count` of them and none at or past
// `end` (the line's current length): the substring rules the tag positions are counted in.
QString slice(const QString &s, qsizetype start, qsizetype count, qsizetype end)
{
    if (start < 1)
        start = 1;
    const qsizetype available = end - start + 1;
    count = qMin(count, available);
    if (count <= 0)
        return QString();
    return s.mid(start - 1, count);
}

// Cuts the time and text pairs out of one line that does not end in "]". Scans from the
// second-to-last character leftwards; `s` is conceptually shortened to `end` characters at
// every "[", so a later tag's text stops where the earlier found tag began.
void parseLine(QString &line, QList<LrcPair> &pairs)
{
    const QString s = line;
    const qsizetype len = s.size();
    qsizetype end = len;
    QList<qsizetype> opens;
    QList<qsizetype> closes;
    for (qsizetype p = len - 1; p >= 1; --p) {
        const QChar c = s[p - 1];
        if (c == u']') {
            closes.append(p);
            continue;
        }
        if (c != u'[')
            continue;
        const qsizetype n = opens.size();
        if (closes.size() <= n)
            continue; // no "]" left to pair with: plain text
        opens.append(p);
        const qsizetype open = p;
        const qsizetype close = closes[n];
        LrcPair pair;
        pair.caption = QString::number(pairs.size() + 1);
        pair.tag = slice(s, open + 1, close - open - 1, end);
        if (opens.size() > 1 && closes.last() + 1 == opens[opens.size() - 2])
            pair.text = pairs.last().text; // adjacent to the tag found before: share its text
        else
            pair.text = slice(s, close + 1, len - close, end);
        pairs.append(pair);
        end = qMin(end, open - 1);
    }
    line = s.left(end);
}

const std::array<QString, 4> &metadataNames()
{
    static const std::array<QString, 4> names{u"ti"_s, u"ar"_s, u"al"_s, u"by"_s};
    return names;
}

} // namespace

LrcParse parseLrcLines(const QStringList &lines)
{
    LrcParse parse;
    for (const QString &line : lines) {
        if (!line.isEmpty() && line.back() == u']')
            parse.tagLines.append(line);
        else
            parse.untaggedLines.append(line);
    }

    for (QString &line : parse.untaggedLines) {
        if (!line.isEmpty())
            parseLine(line, parse.pairs);
    }

    // Metadata written in front of text moves to the tag lines.
    for (const QString &name : metadataNames()) {
        for (qsizetype i = 0; i < parse.pairs.size();) {
            if (parse.pairs[i].tag.startsWith(name)) {
                parse.tagLines.append(u'[' + parse.pairs[i].tag + u']');
                parse.pairs.removeAt(i);
            } else {
                ++i;
            }
        }
    }

    int added = int(parse.pairs.size());
    for (const QString &line : parse.tagLines) {
        const QString name = line.mid(1, 2);
        if (std::find(metadataNames().begin(), metadataNames().end(), name) == metadataNames().end())
            continue;
        parse.pairs.append(LrcPair{QString::number(++added), name, slice(line, 5, line.size() - 5, line.size())});
    }

    parse.result.append(LrcPair{u"00:00"_s, u"00:00"_s, QString()});
    for (const LrcPair &pair : parse.pairs)
        parse.result.append(LrcPair{pair.tag, pair.tag, pair.text});
    return parse;
}

} // namespace velumo
