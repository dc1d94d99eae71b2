// The windows of songs and lyrics driven through their commands, headless: what each command
// asks, what it tells, and what the tables hold afterwards.
#include "app/project/project_model.h"
#include "app/windows/binding_commands.h"
#include "app/windows/binding_picker_dialog.h"
#include "app/windows/confirm_dialog.h"
#include "app/windows/import_progress_dialog.h"
#include "app/windows/lyric_commands.h"
#include "app/windows/music_commands.h"
#include "app/windows/window_set.h"
#include "app/workspace/program_folder.h"
#include "media/media_columns.h"
#include "media/media_lists.h"
#include "players/audio/ffmpeg_media_player.h"
#include "tests/app/modal_helper.h"
#include "tests/songs/song_fixtures.h"
#include "tests/support/temp_tree.h"
#include "ui/message_box.h"

#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include <gtest/gtest.h>

using namespace Qt::Literals::StringLiterals;
using namespace velumo;
using velumo::test::answerNextMessageBox;
using velumo::test::TempTree;
using velumo::test::whenShown;

namespace {

class SongWindowsTest : public ::testing::Test
{
protected:
    SongWindowsTest()
    {
        windows.Form6 = new ImportProgressDialog(u"Form6"_s, u"添加音乐"_s, u"正在添加音乐"_s, skin);
        windows.Form7 = new ImportProgressDialog(u"Form7"_s, u"添加歌词"_s, u"正在添加歌词"_s, skin);
        windows.Form8 = new ui::MessageBox(skin);
        windows.Form12 = new ConfirmDialog(u"Form12"_s, u"删除音乐"_s, u"确定删除"_s, skin);
        windows.Form13 = new ConfirmDialog(u"Form13"_s, u"删除歌词"_s, u"确定删除"_s, skin);
        windows.Form14 = new ConfirmDialog(u"Form14"_s, u"绑定或解绑"_s, u"确定"_s, skin);
        windows.Form15 = new BindingPickerDialog(skin);
    }

    ~SongWindowsTest() override
    {
        for (QWidget *w : std::initializer_list<QWidget *>{windows.Form6, windows.Form7, windows.Form8, windows.Form12,
                                                           windows.Form13, windows.Form14, windows.Form15})
            delete w;
    }

    void addSongs(const QStringList &names)
    {
        Form1State &form1 = model.form1;
        for (const QString &name : names) {
            form1.ListView_daoru_yinyue.appendRow({QString::number(form1.ListView_daoru_yinyue.rowCount() + 1), name,
                                                   u".mp3"_s, u"/m.mp3"_s, u"00:00:10"_s, u"250"_s, u"wu"_s,
                                                   u"wu"_s});
            form1.suiListView_yinyue_liebiao.appendRow(musicListRow(form1, form1.ListView_daoru_yinyue.rowCount() - 1));
        }
    }

    void addLyrics(const QStringList &names)
    {
        Form1State &form1 = model.form1;
        for (const QString &name : names) {
            form1.ListView_daoru_LRC.appendRow({QString::number(form1.ListView_daoru_LRC.rowCount() + 1), name,
                                                u".lrc"_s, u"/l.lrc"_s, u"wu"_s, u"wu"_s, u"clWhite"_s,
                                                u"16777215"_s, u"10"_s, u"黑体"_s, u"cuti"_s, u"wu"_s, u"wu"_s,
                                                u"juzhong"_s, u"xiamian"_s});
            form1.suiListView_geci_liebiao.appendRow(lyricListRow(form1, form1.ListView_daoru_LRC.rowCount() - 1));
        }
    }

    static void click(QWidget *window, const QString &button)
    {
        auto *widget = window->findChild<QPushButton *>(button);
        ASSERT_NE(widget, nullptr) << button.toStdString();
        widget->click();
    }

    QString songKey(int s) const { return model.form1.ListView_daoru_yinyue.cell(s, music_col::LyricKey); }
    QString lyricKey(int l) const { return model.form1.ListView_daoru_LRC.cell(l, lyric_col::SongKey); }

    TempTree tree;
    ProgramFolder program{tree.path()};
    ProjectModel model;
    ui::SkinPictures skin = ui::makeSkinPictures();
    WindowSet windows;
    FfmpegMediaPlayer player;
    QStringList offered; // what the file dialog was asked to preselect
    ChooseMediaFiles chooser = [this](const QString &, const QString &preset) {
        offered.append(preset);
        return QStringList();
    };
    MusicCommands music{model, program, player, windows, chooser};
    LyricCommands lyrics{model, program, windows, chooser};
    BindingCommands binding{model, windows};
};

} // namespace

TEST_F(SongWindowsTest, ImportShowsItsProgressAndNamesTheFilesItSkipped)
{
    ASSERT_TRUE(test::writeToneMp3(tree.abs(u"甜蜜蜜.mp3"_s), 1.0));
    tree.writeFile(u"坏.mp3"_s, "no song");
    QSignalSpy added(&music, &MusicCommands::songsAdded);
    int shownMaximum = -1;
    whenShown(windows.Form6, [&] { shownMaximum = windows.Form6->progressBar()->maximum(); });
    QString told;
    answerNextMessageBox(&told);

    music.importFiles({tree.abs(u"甜蜜蜜.mp3"_s), tree.abs(u"坏.mp3"_s)});

    EXPECT_EQ(shownMaximum, 4);
    EXPECT_FALSE(windows.Form6->isVisible());
    EXPECT_TRUE(told.contains(u"坏.mp3"_s)) << told.toStdString();
    ASSERT_EQ(model.form1.ListView_daoru_yinyue.rowCount(), 1);
    EXPECT_EQ(model.form1.ListView_daoru_yinyue.cell(0, music_col::Name), u"甜蜜蜜"_s);
    EXPECT_EQ(model.form1.Edit_xianshikuang_pailie_yinyue.text(), u"1"_s);
    EXPECT_EQ(added.count(), 1);
}

TEST_F(SongWindowsTest, TheFileDialogOffersTheSampleWhenItIsInstalled)
{
    music.addMusic();
    tree.writeFile(u"yinyuegeci/甜蜜蜜.mp3"_s);
    tree.writeFile(u"yinyuegeci/甜蜜蜜.lrc"_s);
    music.addMusic();
    lyrics.addLyrics();
    EXPECT_EQ(offered, (QStringList{QString(), tree.abs(u"yinyuegeci/甜蜜蜜.mp3"_s),
                                    tree.abs(u"yinyuegeci/甜蜜蜜.lrc"_s)}));
}

TEST_F(SongWindowsTest, DeletingAsksInForm12AndOnlyTheConfirmationDeletes)
{
    addSongs({u"甲"_s, u"乙"_s});
    QString told;
    answerNextMessageBox(&told);
    music.deleteSong(std::nullopt);
    EXPECT_EQ(told, u"没有选中音乐文件！"_s);

    QString asked;
    whenShown(windows.Form12, [&] {
        asked = windows.Form12->message();
        click(windows.Form12, u"Button_quxiao"_s);
    });
    music.deleteSong(1);
    EXPECT_EQ(asked, u"确定删除这个音乐文件吗？"_s);
    EXPECT_EQ(model.form1.ListView_daoru_yinyue.rowCount(), 2);

    whenShown(windows.Form12, [&] { click(windows.Form12, u"Button_queding"_s); });
    music.deleteSong(1);
    EXPECT_EQ(model.form12.Edit_delete_leixing.text(), u"dan_ge_shang_chu"_s);
    ASSERT_EQ(model.form1.ListView_daoru_yinyue.rowCount(), 1);
    EXPECT_EQ(model.form1.ListView_daoru_yinyue.cell(0, music_col::Name), u"甲"_s);

    whenShown(windows.Form12, [&] {
        asked = windows.Form12->message();
        click(windows.Form12, u"Button_queding"_s);
    });
    music.deleteAllSongs();
    EXPECT_EQ(asked, u"确定删除全部音乐文件吗？"_s);
    EXPECT_EQ(model.form1.ListView_daoru_yinyue.rowCount(), 0);
}

TEST_F(SongWindowsTest, DeletingLyricsAsksInForm13)
{
    addLyrics({u"一"_s, u"二"_s});
    QString told;
    answerNextMessageBox(&told);
    lyrics.deleteLyric(std::nullopt);
    EXPECT_EQ(told, u"没有选中歌词文件！"_s);

    QString asked;
    whenShown(windows.Form13, [&] {
        asked = windows.Form13->message();
        click(windows.Form13, u"Button_queding"_s);
    });
    lyrics.deleteLyric(0);
    EXPECT_EQ(asked, u"确定删除这个歌词文件吗？"_s);
    ASSERT_EQ(model.form1.ListView_daoru_LRC.rowCount(), 1);
    EXPECT_EQ(model.form1.ListView_daoru_LRC.caption(0), u"1"_s);
}

TEST_F(SongWindowsTest, BindingPreconditionsAreToldBeforeAnyWindowOpens)
{
    const struct
    {
        const char *what;
        int songs;
        int lyrics;
        std::function<void(BindingCommands &)> command;
        QString message;
    } cases[] = {
        {"song binds without lyrics", 1, 0, [](BindingCommands &b) { b.bindSong(0); }, u"没有找到歌词文件！"_s},
        {"song binds unselected", 1, 1, [](BindingCommands &b) { b.bindSong(std::nullopt); }, u"没有选中音乐文件！"_s},
        {"lyric binds without songs", 0, 1, [](BindingCommands &b) { b.bindLyric(0); }, u"没有找到音乐文件！"_s},
        {"lyric binds unselected", 1, 1, [](BindingCommands &b) { b.bindLyric(std::nullopt); },
         u"没有选中歌词文件！"_s},
        {"auto from music without lyrics", 1, 0, [](BindingCommands &b) { b.bindAutomaticallyFromMusic(); },
         u"没有找到歌词文件！"_s},
        {"auto from lyrics without songs", 0, 1, [](BindingCommands &b) { b.bindAutomaticallyFromLyrics(); },
         u"没有找到音乐文件！"_s},
        {"unbind song out of range", 1, 1, [](BindingCommands &b) { b.unbindSong(5); }, u"没有选中音乐文件！"_s},
        {"unbind lyric without songs", 0, 1, [](BindingCommands &b) { b.unbindLyric(0); }, u"没有找到音乐文件！"_s},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        model.reset();
        for (int s = 0; s < c.songs; ++s)
            addSongs({u"s"_s});
        for (int l = 0; l < c.lyrics; ++l)
            addLyrics({u"l"_s});
        QString told;
        answerNextMessageBox(&told);
        c.command(binding);
        EXPECT_EQ(told, c.message);
        EXPECT_FALSE(windows.Form14->isVisible() || windows.Form15->isVisible());
    }
}

TEST_F(SongWindowsTest, ASongPicksItsLyricInForm15)
{
    addSongs({u"甲"_s, u"乙"_s});
    addLyrics({u"一"_s, u"二"_s});
    QSignalSpy changed(&binding, &BindingCommands::bindingsChanged);
    QString told;
    bool songPickerHidden = false;
    whenShown(windows.Form15, [&] {
        songPickerHidden = !windows.Form15->songPicker()->isVisible();
        answerNextMessageBox(&told);
        click(windows.Form15, u"Button_queding"_s); // nothing picked: told, and the window stays
        QTest::qWait(50);
        EXPECT_TRUE(windows.Form15->isVisible());
        QTreeWidget *lyricPicker = windows.Form15->lyricPicker();
        ASSERT_EQ(lyricPicker->topLevelItemCount(), 2);
        EXPECT_EQ(lyricPicker->topLevelItem(1)->text(1), u"二"_s);
        lyricPicker->setCurrentItem(lyricPicker->topLevelItem(1));
        click(windows.Form15, u"Button_queding"_s);
    });

    binding.bindSong(0);

    EXPECT_TRUE(songPickerHidden);
    EXPECT_EQ(told, u"没有选中歌词文件！"_s);
    EXPECT_EQ(model.form15.Edit_bangding_leixing.text(), u"yinyue_bangding"_s);
    EXPECT_NE(songKey(0), u"wu"_s);
    EXPECT_EQ(songKey(0), lyricKey(1));
    EXPECT_EQ(model.form1.suiListView_yinyue_liebiao.cell(0, 5), u"二"_s);
    EXPECT_EQ(model.form1.suiListView_geci_liebiao.cell(1, 4), u"甲"_s);
    EXPECT_EQ(changed.count(), 1);
}

TEST_F(SongWindowsTest, AutomaticBindingConfirmsInForm14AndReportsTheSongsLeftOver)
{
    addSongs({u"甲"_s, u"乙"_s, u"丙"_s});
    addLyrics({u"一"_s, u"二"_s});
    QString caption;
    QString asked;
    whenShown(windows.Form14, [&] {
        caption = windows.Form14->windowTitle();
        asked = windows.Form14->message();
        click(windows.Form14, u"Button_queding"_s);
    });
    QString told;
    answerNextMessageBox(&told);

    binding.bindAutomaticallyFromLyrics();

    EXPECT_EQ(caption, u"自动绑定"_s);
    EXPECT_EQ(asked, u"自动绑定会先解绑所有的绑定,然后按顺序重新自动绑定。确定自动绑定吗？"_s);
    EXPECT_EQ(told, u"添加的歌词数量与添加的音乐数量不一致,还有 1 个音乐没有绑定"_s);
    EXPECT_EQ(songKey(1), lyricKey(1));
    EXPECT_EQ(songKey(2), u"wu"_s);

    whenShown(windows.Form14, [&] {
        caption = windows.Form14->windowTitle();
        click(windows.Form14, u"Button_queding"_s);
    });
    binding.unbindAll();
    EXPECT_EQ(caption, u"全部解绑"_s);
    EXPECT_EQ(model.form14.Edit_bangding_or_jiebang.text(), u"quanbujiebang"_s);
    EXPECT_EQ(songKey(0), u"wu"_s);
    EXPECT_EQ(lyricKey(1), u"wu"_s);
}

TEST_F(SongWindowsTest, UnbindingALyricConfirmsAndFreesItsSongs)
{
    addSongs({u"甲"_s, u"乙"_s});
    addLyrics({u"一"_s});
    model.form1.ListView_daoru_yinyue.setCell(0, music_col::LyricKey, u"k"_s);
    model.form1.ListView_daoru_yinyue.setCell(1, music_col::LyricKey, u"k"_s);
    model.form1.ListView_daoru_LRC.setCell(0, lyric_col::SongKey, u"k"_s);
    QString asked;
    whenShown(windows.Form14, [&] {
        asked = windows.Form14->windowTitle() + u'|' + windows.Form14->message();
        click(windows.Form14, u"Button_queding"_s);
    });

    binding.unbindLyric(0);

    EXPECT_EQ(asked, u"解除绑定|确定解除绑定吗？"_s);
    EXPECT_EQ(songKey(0), u"wu"_s);
    EXPECT_EQ(songKey(1), u"wu"_s);
    EXPECT_EQ(model.form1.suiListView_yinyue_liebiao.cell(1, 5), u"未绑定歌词"_s);
}
