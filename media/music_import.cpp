#include "media/music_import.h"

#include "app/base/failure.h"
#include "app/project/form1_state.h"
#include "media/media_columns.h"
#include "media/media_file_name.h"
#include "media/media_lists.h"
#include "media/name_card.h"
#include "media/song_binding.h"
#include "media/song_length.h"
#include "players/media_player.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

void appendSong(Form1State &form1, MediaPlayer &player, const QString &path)
{
    if (!player.fileName().isEmpty())
        player.stop();
    player.setFileName(path);
    player.open();
    player.stop();
    const qint64 length = player.length();

    StringTable &music = form1.ListView_daoru_yinyue;
    music.appendRow({QString::number(music.rowCount() + 1),
                     mediaDisplayName(path),
                     mediaExtension(path),
                     path,
                     songTimeText(length),
                     QString::number(songFramesNeeded(length)),
                     noneToken(),
                     noneToken()});
}

void rebuildMusicList(Form1State &form1, const ProgramFolder &program, const std::function<void()> &afterRow)
{
    StringTable &music = form1.ListView_daoru_yinyue;
    form1.suiListView_yinyue_liebiao.clear();
    for (int i = 0; i < music.rowCount(); ++i) {
        pairByPosition(form1, i);
        saveNameCard(program, NameCardKind::Song, i + 1, form1.Edit_kuozhanming_7.text(),
                     music.cell(i, music_col::Name));
        form1.suiListView_yinyue_liebiao.appendRow(musicListRow(form1, i));
        if (afterRow)
            afterRow();
    }
}

void refreshLyricListBindings(Form1State &form1)
{
    for (int j = 0; j < form1.ListView_daoru_LRC.rowCount(); ++j)
        showLyricBinding(form1, j);
}

ImportOutcome importSongs(Form1State &form1, const ProgramFolder &program, MediaPlayer &player,
                          const QStringList &files, const std::function<void()> &step)
{
    ImportOutcome outcome;
    for (const QString &file : files) {
        try {
            appendSong(form1, player, file);
            ++outcome.added;
        } catch (const Failure &refused) {
            outcome.refusals.append(refused.message());
        }
        if (step)
            step();
    }
    rebuildMusicList(form1, program, step);
    refreshLyricListBindings(form1);
    return outcome;
}

QString refusalSummary(const QStringList &refusals)
{
    if (refusals.size() == 1)
        return refusals.front();
    return u"有%1个文件没有添加：\n"_s.arg(refusals.size()) + refusals.join(u'\n');
}

} // namespace velumo
