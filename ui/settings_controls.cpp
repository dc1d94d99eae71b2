#include "ui/settings_controls.h"

#include "ui/main_skin.h"

#include <QPalette>
#include <QWidget>

using namespace Qt::Literals::StringLiterals;

namespace velumo::ui {

void applySettingsLook(QWidget *container)
{
    QFont font(u"宋体"_s);
    font.setPixelSize(12);
    container->setFont(font);

    // Radio buttons, check boxes and drop-downs keep the platform's drawing, which follows the
    // palette; only the frames and the edits need style rules.
    QPalette palette = container->palette();
    palette.setColor(QPalette::Window, skin::kBackground);
    palette.setColor(QPalette::WindowText, skin::kText);
    palette.setColor(QPalette::Base, QColor(24, 20, 15));
    palette.setColor(QPalette::AlternateBase, skin::kPanel);
    palette.setColor(QPalette::Text, skin::kText);
    palette.setColor(QPalette::Button, QColor(72, 55, 37));
    palette.setColor(QPalette::ButtonText, skin::kText);
    palette.setColor(QPalette::Light, QColor(120, 94, 60));
    palette.setColor(QPalette::Midlight, QColor(96, 74, 48));
    palette.setColor(QPalette::Mid, skin::kPanelEdge);
    palette.setColor(QPalette::Dark, QColor(18, 14, 10));
    palette.setColor(QPalette::Shadow, QColor(10, 8, 6));
    palette.setColor(QPalette::Highlight, QColor(150, 112, 62));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::PlaceholderText, skin::kTextMuted);
    palette.setColor(QPalette::Disabled, QPalette::WindowText, skin::kTextMuted);
    palette.setColor(QPalette::Disabled, QPalette::Text, skin::kTextMuted);
    palette.setColor(QPalette::Disabled, QPalette::ButtonText, skin::kTextMuted);
    container->setPalette(palette);

    container->setStyleSheet(
        u"QGroupBox { border: 1px solid rgb(104, 80, 50); border-radius: 3px; margin-top: 9px;"
        " padding: 10px 8px 6px 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 10px;"
        " padding: 0px 4px; color: rgb(222, 176, 98); }"
        "QLineEdit { color: rgb(246, 226, 184); background: rgb(24, 20, 15);"
        " border: 1px solid rgb(104, 80, 50); border-radius: 2px; padding: 2px 6px; }"
        "QLineEdit:read-only { background: rgb(33, 27, 21); }"_s);
}

} // namespace velumo::ui
