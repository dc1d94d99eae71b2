#pragma once

#include "app/panels/media_kind.h"
#include "app/windows/main_commands.h"

#include <QPoint>

#include <functional>

class QWidget;

namespace velumo {

struct PanelMenuActions
{
    std::function<void(MainCommand)> run;
    std::function<void(bool listMode)> setMode;
};

// The context menu of a media panel (Form1_xiangpian_youjian_caidan and its siblings), shown
// at `globalPos` until the user chooses or dismisses it.
void showPanelMenu(MediaKind kind, QPoint globalPos, QWidget *parent, const PanelMenuActions &actions);

} // namespace velumo
