#include "media/lrc_tables.h"

#include "app/project/form1_state.h"
#include "media/lrc_parser.h"
#include "media/lrc_text.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

void parseLrcFile(Form1State &form1, const QString &path)
{
    form1.ListView_LRC_1.clear();
    form1.ListView_LRC_2.clear();
    form1.ListView_LRC_3.clear();
    storeLrcParse(form1, parseLrcLines(readLrcFile(path).lines));
}

void storeLrcParse(Form1State &form1, const LrcParse &parse)
{
    form1.ListView_LRC_1.clear();
    form1.ListView_LRC_2.clear();
    form1.ListView_LRC_3.clear();
    int row = 0;
    for (const QString &line : parse.untaggedLines)
        form1.ListView_LRC_1.appendRow({QString::number(++row), line});
    for (const LrcPair &pair : parse.pairs)
        form1.ListView_LRC_2.appendRow({pair.caption, pair.tag, pair.text});
    for (const LrcPair &pair : parse.result)
        form1.ListView_LRC_3.appendRow({pair.caption, pair.text});
}

QString lrcClockText(qint64 positionMs)
{
    const qint64 seconds = qMax<qint64>(positionMs, 0) / 1000;
    return u"%1:%2"_s.arg(seconds / 60, 2, 10, QChar(u'0')).arg(seconds % 60, 2, 10, QChar(u'0'));
}

std::optional<QString> lrcLineAt(const StringTable &result, qint64 positionMs)
{
    const std::optional<int> row = result.findCaptionPrefix(lrcClockText(positionMs));
    if (!row)
        return std::nullopt;
    return result.cell(*row, 1);
}

} // namespace velumo
