#pragma once

#include "ui/skinned_dialog.h"

#include <QUrl>

namespace velumo {

// Shown when no template player can be created: explains the missing component and opens the
// help pages shipped with the program.
class PluginDialog : public ui::SkinnedDialog
{
    Q_OBJECT

public:
    static constexpr int kWidth = 734;
    static constexpr int kHeight = 366;

    PluginDialog(const ui::SkinPictures &skin, const QUrl &downloadPage, const QUrl &guidePage,
                 QWidget *parent = nullptr);

signals:
    // "下载插件" opened the download page.
    void downloadPageOpened();
    // "退出软件" was clicked.
    void quitRequested();

protected:
    void showEvent(QShowEvent *event) override;
};

} // namespace velumo
