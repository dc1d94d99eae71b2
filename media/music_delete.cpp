#include "media/music_delete.h"

#include "app/project/dialog_states.h"
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

void decreaseThumbnailCount(HiddenValue &count)
{
    bool ok = false;
    const int value = count.text().toInt(&ok);
    count.setText(QString::number(ok && value > 0 ? value - 1 : 0));
}

bool anySongHolds(const Form1State &form1, const QString &key)
{
    const StringTable &music = form1.ListView_daoru_yinyue;
    for (int s = 0; s < music.rowCount(); ++s) {
        if (music.cell(s, music_col::LyricKey) == key)
            return true;
    }
    return false;
}

} // namespace

void deleteSong(Form1State &form1, const ProgramFolder &program, int row)
{
    StringTable &music = form1.ListView_daoru_yinyue;
    const QString key = music.cell(row, music_col::LyricKey);
    const int countBefore = music.rowCount();

    music.deleteRow(row);
    if (row < form1.suiListView_yinyue_liebiao.rowCount())
        form1.suiListView_yinyue_liebiao.deleteRow(row);

    QList<int> oldNumbers;
    for (int r = 0; r < music.rowCount(); ++r)
        oldNumbers.append(music.cellNumber(r, 0));
    renumberNameCards(program, NameCardKind::Song, form1.Edit_kuozhanming_7.text(), row, countBefore, oldNumbers);
    renumberMusic(form1);

    // A lyric bound to several songs stays with the songs that still hold it.
    if (key != noneToken() && !anySongHolds(form1, key))
        freeLyricsOfKey(form1, key);
    else if (key != noneToken())
        recountLyrics(form1);

    decreaseThumbnailCount(form1.Edit_xianshikuang_pailie_yinyue);
    form1.Edit_xiangpian_down_id.setText(noneToken());
    if (music.rowCount() == 0) {
        form1.suiListView_yinyue_liebiao.clear();
        form1.ListView_daoruyinyue_tuodong_linshi.clear();
    }
}

void deleteAllSongs(Form1State &form1, Form2State &form2, const ProgramFolder &program)
{
    form1.suiListView_yinyue_liebiao.clear();
    form1.ListView_daoru_yinyue.clear();
    form1.ListView_daoruyinyue_tuodong_linshi.clear();
    for (int l = 0; l < form1.ListView_daoru_LRC.rowCount(); ++l)
        unbindLyricRow(form1, l);
    form1.Edit_xianshikuang_pailie_yinyue.setText(u"0"_s);
    form1.Edit_xiangpian_down_id.setText(noneToken());

    const QString folder = nameCardFolder(program, NameCardKind::Song);
    removeTree(folder);
    ensureFolder(folder);

    // Without songs the album can only follow the photos.
    form2.RadioButton1 = true;
    form2.RadioButton2 = false;
    form2.CheckBox1 = false;
    form2.CheckBox2 = false;
    form1.Edit_tongbu_shezhi.setText(u"sui_zhaopian_tongbu"_s);
}

} // namespace velumo
