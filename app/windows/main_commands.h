#pragma once

#include <QString>

namespace velumo {

// Every command of the main window that runs in another part of the program: the left
// command column, the buttons of the three count panels and the context menu entries of the
// media panels. Others register what a command does with MainWindow::setCommand or, for
// commands about one item, MainWindow::setItemCommand.
enum class MainCommand {
    // Left command column.
    AddPhotos,     // 添加相片
    AddMusic,      // 添加音乐
    AddLyrics,     // 添加歌词
    AlbumLength,   // 相册长度
    TextEffects,   // 文字特效
    OtherSettings, // 其它设置
    MakeVcd,       // VCD
    MakeSvcd,      // SVCD
    MakeDvd,       // DVD
    MakeAvi,       // AVI

    // Photos: count panel buttons and context menu.
    DeletePhoto,     // item: 删除
    DeleteAllPhotos, // 全删, 全部删除
    PreviewPhoto,    // item: 预览效果, double-click

    // Music.
    DeleteMusic,     // item: 删除, 删除音乐
    DeleteAllMusic,  // 全删, 全部删除
    BindMusic,       // item: 绑定, 手动绑定
    AutoBindMusic,   // 自动绑, 自动绑定
    UnbindMusic,     // item: 解绑, 手动解绑
    UnbindAllMusic,  // 全解绑, 全部解绑
    PreviewMusic,    // item: 音乐预览, double-click

    // Lyrics.
    DeleteLyric,      // item: 删除, 删除歌词
    DeleteAllLyrics,  // 全删, 全部删除
    BindLyric,        // item: 绑定, 手动绑定
    AutoBindLyrics,   // 自动绑, 自动绑定
    UnbindLyric,      // item: 解绑, 手动解绑
    UnbindAllLyrics,  // 全解绑, 全部解绑
    LyricSettings,    // item: 歌词设置
    PreviewLyric,     // item: 歌词预览, double-click

    OpenWebsite, // 网站模板
};

// The command's name as the user sees it on its button or menu entry.
QString commandCaption(MainCommand command);

// Item commands receive the 0-based row of the selected item of their panel, or this when
// nothing is selected (each command then tells the user in its own words).
inline constexpr int kNoItemSelected = -1;

} // namespace velumo
