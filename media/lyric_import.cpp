#include "media/lyric_import.h"

#include "app/base/failure.h"
#include "app/project/form1_state.h"
#include "app/workspace/program_folder.h"
#include "media/lrc_text.h"
#include "media/media_columns.h"
#include "media/media_file_name.h"
#include "media/media_lists.h"
#include "media/name_card.h"
#include "media/song_binding.h"

#include <QFile>

using namespace Qt::Literals::StringLiterals;

namespace velumo {

void appendLyric(Form1State &form1, const QString &path)
{
    readLrcFile(path);
    StringTable &lyrics = form1.ListView_daoru_LRC;
    lyrics.appendRow({QString::number(lyrics.rowCount() + 1),
                      mediaDisplayName(path),
                      mediaExtension(path),
                      path,
                      noneToken(),
                      noneToken(),
                      u"clWhite"_s,
                      u"16777215"_s,
                      u"10"_s,
                      u"黑体"_s,
                      u"cuti"_s,
                      noneToken(),
                      noneToken(),
                      u"juzhong"_s,
                      u"xiamian"_s});
}

void rebuildLyricList(Form1State &form1, const ProgramFolder &program, const std::function<void()> &afterRow)
{
    StringTable &lyrics = form1.ListView_daoru_LRC;
    form1.suiListView_geci_liebiao.clear();
    for (int i = 0; i < lyrics.rowCount(); ++i) {
        pairByPosition(form1, i);
        saveNameCard(program, NameCardKind::Lyric, i + 1, form1.Edit_kuozhanming_7.text(),
                     lyrics.cell(i, lyric_col::Name));
        form1.suiListView_geci_liebiao.appendRow(lyricListRow(form1, i));
        if (afterRow)
            afterRow();
    }
}

void refreshMusicListBindings(Form1State &form1)
{
    for (int j = 0; j < form1.ListView_daoru_yinyue.rowCount(); ++j)
        showSongBinding(form1, j);
}

ImportOutcome importLyrics(Form1State &form1, const ProgramFolder &program, const QStringList &files,
                           const std::function<void()> &step)
{
    ImportOutcome outcome;
    for (const QString &file : files) {
        try {
            appendLyric(form1, file);
            ++outcome.added;
        } catch (const Failure &refused) {
            outcome.refusals.append(refused.message());
        }
        if (step)
            step();
    }
    rebuildLyricList(form1, program, step);
    refreshMusicListBindings(form1);
    return outcome;
}

void deleteLyricImportLeftovers(const ProgramFolder &program)
{
    for (const QString &file : {u"smxcwjj\\tp_0\\tp_slt_1_0.png"_s, u"smxcwjj\\tp_0\\tp_slt_1_1.png"_s})
        QFile::remove(program.resolve(file));
}

} // namespace velumo
