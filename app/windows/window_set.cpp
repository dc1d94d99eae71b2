#include "app/windows/window_set.h"

#include "app/project/project_model.h"
#include "app/windows/album_length_dialog.h"
#include "app/windows/binding_picker_dialog.h"
#include "app/windows/confirm_dialog.h"
#include "app/windows/exit_dialog.h"
#include "app/windows/hint_window.h"
#include "app/windows/import_progress_dialog.h"
#include "app/windows/lyric_type_dialog.h"
#include "app/windows/main_window.h"
#include "app/windows/other_settings_dialog.h"
#include "app/windows/output_size_dialog.h"
#include "app/windows/photo_import_window.h"
#include "app/windows/render_window.h"
#include "app/windows/plugin_dialog.h"
#include "ui/message_box.h"

using namespace Qt::Literals::StringLiterals;

namespace velumo {

std::vector<WindowTitle> windowTitles()
{
    return {
        {u"Form1"_s, u"Velumo"_s},
        {u"MainForm"_s, u"添加相片"_s},
        {u"frmMain"_s, u"制作相册"_s},
        {u"Form2"_s, u"相册时长"_s},
        {u"Form3"_s, u"文字特效"_s},
        {u"Form6"_s, u"添加音乐"_s},
        {u"Form8"_s, u"提示信息"_s},
        {u"Form7"_s, u"添加歌词"_s},
        {u"Form9"_s, u"删除相片"_s},
        {u"Form10"_s, u"删除相片"_s},
        {u"Form11"_s, u"删除相片"_s},
        {u"Form12"_s, u"删除音乐"_s},
        {u"Form13"_s, u"删除歌词"_s},
        {u"Form14"_s, u"绑定或解绑"_s},
        {u"Form15"_s, u"绑定"_s},
        {u"Form16"_s, u"歌词设置"_s},
        {u"Form17"_s, u"其它设置"_s},
        {u"Form25"_s, u"退出本软件"_s},
        {u"Form28"_s, u"音乐预览"_s},
        {u"Form29"_s, u"歌词预览"_s},
        {u"Form30"_s, u"提示窗口"_s},
        {u"Form31"_s, u"相片控件渐变提示信息"_s},
        {u"Form32"_s, u"音乐控件渐变提示信息"_s},
        {u"Form33"_s, u"歌词控件渐变提示信息"_s},
        {u"Form34"_s, u"相片使用效果预览"_s},
        {u"Form39"_s, u"输出相册尺寸"_s},
        {u"Form46"_s, u"卡拉OK设置"_s},
        {u"Form47"_s, u"卡拉OK设置"_s},
        {u"Form48"_s, u"卡拉OK设置"_s},
        {u"Form49"_s, u"歌词类型选择"_s},
        {u"Form51"_s, u"查看匹配"_s},
        {u"Form4"_s, QString()},
        {u"Form65"_s, u"《Velumo》插件安装"_s},
    };
}

QWidget *WindowSet::find(const QString &objectName) const
{
    for (QWidget *window : inCreationOrder) {
        if (window->objectName() == objectName)
            return window;
    }
    return nullptr;
}

namespace {

HintWindow **hintSlot(WindowSet &windows, const QString &name)
{
    if (name == u"Form30"_s)
        return &windows.Form30;
    if (name == u"Form31"_s)
        return &windows.Form31;
    if (name == u"Form32"_s)
        return &windows.Form32;
    if (name == u"Form33"_s)
        return &windows.Form33;
    return nullptr;
}

QWidget *createWindow(WindowSet &windows, const WindowTitle &title, const ui::SkinPictures &skin,
                      const HelpPages &help, const WindowServices &services)
{
    QWidget *parent = windows.Form1;
    if (title.objectName == u"MainForm"_s)
        return windows.MainForm = new PhotoImportWindow(skin, services.program, services.model, services.random, parent);
    if (title.objectName == u"frmMain"_s)
        return windows.frmMain = new RenderWindow(skin, services.program, services.model, services.playerFactory, parent);
    if (title.objectName == u"Form8"_s)
        return windows.Form8 = new ui::MessageBox(skin, parent);
    if (title.objectName == u"Form6"_s)
        return windows.Form6 = new ImportProgressDialog(title.objectName, title.caption, u"正在添加音乐，请稍候……"_s, skin, parent);
    if (title.objectName == u"Form7"_s)
        return windows.Form7 = new ImportProgressDialog(title.objectName, title.caption, u"正在添加歌词，请稍候……"_s, skin, parent);
    if (title.objectName == u"Form12"_s)
        return windows.Form12 = new ConfirmDialog(title.objectName, title.caption, u"确定删除"_s, skin, parent);
    if (title.objectName == u"Form13"_s)
        return windows.Form13 = new ConfirmDialog(title.objectName, title.caption, u"确定删除"_s, skin, parent);
    if (title.objectName == u"Form14"_s)
        return windows.Form14 = new ConfirmDialog(title.objectName, title.caption, u"确定"_s, skin, parent);
    if (title.objectName == u"Form15"_s)
        return windows.Form15 = new BindingPickerDialog(skin, parent);
    if (title.objectName == u"Form25"_s)
        return windows.Form25 = new ExitDialog(skin, parent);
    if (title.objectName == u"Form2"_s)
        return windows.Form2 = new AlbumLengthDialog(services.model, skin, parent);
    if (title.objectName == u"Form17"_s)
        return windows.Form17 = new OtherSettingsDialog(services.model, skin, parent);
    if (title.objectName == u"Form39"_s)
        return windows.Form39 = new OutputSizeDialog(services.model, skin, parent);
    if (title.objectName == u"Form49"_s)
        return windows.Form49 = new LyricTypeDialog(services.model.form49, skin, parent);
    if (title.objectName == u"Form65"_s)
        return windows.Form65 = new PluginDialog(skin, help.download, help.guide, parent);
    if (HintWindow **slot = hintSlot(windows, title.objectName))
        return *slot = new HintWindow(title.objectName, title.caption, parent);

    QWidget *window = nullptr;
    if (title.caption.isEmpty()) {
        // The renderer's hidden work window: never shown.
        window = new QWidget(parent, Qt::Window);
    } else {
        auto *dialog = new ui::SkinnedDialog(title.objectName, title.caption, skin, parent);
        dialog->setClientSize(640, 420);
        window = dialog;
    }
    window->setObjectName(title.objectName);
    window->setWindowTitle(title.caption);
    return window;
}

} // namespace

void createSecondaryWindows(WindowSet &windows, const ui::SkinPictures &skin, const HelpPages &help,
                            const WindowServices &services)
{
    windows.inCreationOrder.clear();
    windows.inCreationOrder.push_back(windows.Form1);
    for (const WindowTitle &title : windowTitles()) {
        if (title.objectName == u"Form1"_s)
            continue;
        windows.inCreationOrder.push_back(createWindow(windows, title, skin, help, services));
    }
}

} // namespace velumo
