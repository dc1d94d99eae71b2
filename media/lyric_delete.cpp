#include "media/lyric_delete.h"

#include "app/project/form1_state.h"
#include "app/workspace/folder_guarantee.h"
#include "app/workspace/tree_removal.h"
#include "media/media_columns.h"
#include "media/media_lists.h"
#include "media/name_card.h"
#include "media/song_binding.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

namespace {

void clearLyricTables(Form1State &form1)
{
    form1.suiListView_geci_liebiao.clear();
    form1.ListView_daoru_LRC.clear();
    form1.ListView_daorulrc_tuodong_linshi.clear();
    form1.ListView_LRC_1.clear();
    form1.ListView_LRC_2.clear();
    form1.ListView_LRC_3.clear();
}

} // namespace

void deleteLyric(Form1State &form1, const ProgramFolder &program, int row)
{
    StringTable &lyrics = form1.ListView_daoru_LRC;
    const QString key = lyrics.cell(row, lyric_col::SongKey);
    const int countBefore = lyrics.rowCount();
    freeSongsOfKey(form1, key);

    lyrics.deleteRow(row);
    if (row < form1.suiListView_geci_liebiao.rowCount())
        form1.suiListView_geci_liebiao.deleteRow(row);

    QList<int> oldNumbers;
    for (int r = 0; r < lyrics.rowCount(); ++r)
        oldNumbers.append(lyrics.cellNumber(r, 0));
    renumberNameCards(program, NameCardKind::Lyric, form1.Edit_kuozhanming_7.text(), row, countBefore, oldNumbers);
    renumberLyrics(form1);

    bool ok = false;
    const int controls = form1.Edit_xianshikuang_pailie_geci.text().toInt(&ok);
    form1.Edit_xianshikuang_pailie_geci.setText(QString::number(ok && controls > 0 ? controls - 1 : 0));
    form1.Edit_xiangpian_down_id.setText(noneToken());
    if (lyrics.rowCount() == 0)
        clearLyricTables(form1);
}

void deleteAllLyrics(Form1State &form1, const ProgramFolder &program)
{
    clearLyricTables(form1);
    for (int s = 0; s < form1.ListView_daoru_yinyue.rowCount(); ++s)
        unbindSongRow(form1, s);
    form1.Edit_xianshikuang_pailie_geci.setText(u"0"_s);
    form1.Edit_xiangpian_down_id.setText(noneToken());

    const QString folder = nameCardFolder(program, NameCardKind::Lyric);
    removeTree(folder);
    ensureFolder(folder);
}

} // namespace velumo
