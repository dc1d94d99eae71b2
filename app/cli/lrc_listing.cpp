#include "app/cli/lrc_listing.h"

#include "app/base/failure.h"
#include "app/cli/table_dump.h"
#include "app/project/form1_state.h"
#include "media/lrc_tables.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::Literals::StringLiterals;

namespace velumo::cli {

QStringList lrcTimeline(const QString &path)
{
    if (!QFileInfo(path).isFile())
        throw Failure(u"找不到歌词文件：%1"_s.arg(QDir::toNativeSeparators(path)));
    Form1State form1;
    parseLrcFile(form1, path);
    const StringTable &result = form1.ListView_LRC_3;
    QStringList lines;
    for (int row = 0; row < result.rowCount(); ++row)
        lines << dumpCell(result.caption(row)) + u'\t' + dumpCell(result.cell(row, 1));
    return lines;
}

} // namespace velumo::cli
