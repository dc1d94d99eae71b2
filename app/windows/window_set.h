#pragma once

#include "players/template_player.h"
#include "ui/skin_pictures.h"

#include <QString>
#include <QUrl>

#include <memory>
#include <vector>

class QWidget;

namespace velumo {

class AlbumLengthDialog;
class BindingPickerDialog;
class ConfirmDialog;
class ExitDialog;
class HintWindow;
class ImportProgressDialog;
class LyricTypeDialog;
class MainWindow;
class OtherSettingsDialog;
class OutputSizeDialog;
class PhotoImportWindow;
class RenderWindow;
class PluginDialog;
class ProgramFolder;
class RandomSource;
struct ProjectModel;
namespace ui {
class MessageBox;
}

// Every window of the program. All are created once at start-up, in a fixed order with the
// main window first, and live until the process ends.
struct WindowSet
{
    MainWindow *Form1 = nullptr;
    PhotoImportWindow *MainForm = nullptr;
    RenderWindow *frmMain = nullptr;
    AlbumLengthDialog *Form2 = nullptr; // "相册时长"
    ImportProgressDialog *Form6 = nullptr; // "添加音乐"
    ui::MessageBox *Form8 = nullptr;
    ImportProgressDialog *Form7 = nullptr; // "添加歌词"
    ConfirmDialog *Form12 = nullptr;       // "删除音乐"
    ConfirmDialog *Form13 = nullptr;       // "删除歌词"
    ConfirmDialog *Form14 = nullptr;       // "绑定或解绑"
    BindingPickerDialog *Form15 = nullptr; // "绑定"
    OtherSettingsDialog *Form17 = nullptr; // "其它设置"
    ExitDialog *Form25 = nullptr;
    HintWindow *Form30 = nullptr; // button hints
    HintWindow *Form31 = nullptr; // photo items
    HintWindow *Form32 = nullptr; // music items
    HintWindow *Form33 = nullptr; // lyric items
    OutputSizeDialog *Form39 = nullptr; // "输出相册尺寸"
    LyricTypeDialog *Form49 = nullptr;  // "歌词类型选择"
    PluginDialog *Form65 = nullptr;

    // All windows in creation order, the main window first.
    std::vector<QWidget *> inCreationOrder;

    // nullptr when there is no window of that name.
    QWidget *find(const QString &objectName) const;
};

struct WindowTitle
{
    QString objectName;
    QString caption; // empty for the hidden work window
};

// Names and captions of the windows, in creation order.
std::vector<WindowTitle> windowTitles();

struct HelpPages
{
    QUrl download;
    QUrl guide;
};

// What the windows work on, shared by all of them.
struct WindowServices
{
    const ProgramFolder &program;
    ProjectModel &model;
    RandomSource &random;
    TemplatePlayerFactory playerFactory;
};

// Creates the windows after the main window, in order. The main window becomes their parent,
// so they close with it.
void createSecondaryWindows(WindowSet &windows, const ui::SkinPictures &skin, const HelpPages &help,
                            const WindowServices &services);

} // namespace velumo
