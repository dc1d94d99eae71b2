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

    // The palette serves whatever the style rules below leave to the platform's drawing.
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

    // Style rules replace the palette inherited from the container, so the texts name their colour.
    container->setStyleSheet(
        u"QLabel, QRadioButton, QCheckBox { color: rgb(242, 232, 212); }"
        "QRadioButton:disabled, QCheckBox:disabled { color: rgb(176, 158, 130); }"
        "QRadioButton { spacing: 6px; } QCheckBox { spacing: 6px; }"
        "QRadioButton::indicator { width: 12px; height: 12px; border: 1px solid rgb(176, 136, 72);"
        " border-radius: 7px; background: rgb(24, 20, 15); }"
        "QRadioButton::indicator:checked { background: qradialgradient(cx:0.5, cy:0.5, radius:0.5,"
        " fx:0.5, fy:0.5, stop:0 rgb(246, 206, 128), stop:0.45 rgb(222, 176, 98), stop:0.55 rgb(24, 20, 15),"
        " stop:1 rgb(24, 20, 15)); }"
        "QCheckBox::indicator { width: 8px; height: 8px; padding: 2px; border: 1px solid rgb(176, 136, 72);"
        " border-radius: 2px; background: rgb(24, 20, 15); }"
        "QCheckBox::indicator:checked { background: rgb(222, 176, 98); background-clip: content; }"
        "QRadioButton::indicator:hover, QCheckBox::indicator:hover { border-color: rgb(246, 206, 128); }"
        "QGroupBox { border: 1px solid rgb(104, 80, 50); border-radius: 3px; margin-top: 9px;"
        " padding: 10px 8px 6px 8px; }"
        "QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 10px;"
        " padding: 0px 4px; color: rgb(222, 176, 98); }"
        "QComboBox { color: rgb(246, 226, 184); border: 1px solid rgb(134, 104, 62); border-radius: 2px;"
        " padding: 3px 8px; min-height: 18px;"
        " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 rgb(66, 52, 36), stop:1 rgb(40, 32, 23)); }"
        "QComboBox:hover, QComboBox:focus { border-color: rgb(222, 176, 98); }"
        "QComboBox::drop-down { border: none; width: 22px; }"
        "QComboBox::down-arrow { image: none; width: 0px; height: 0px; }"
        "QComboBox QAbstractItemView { color: rgb(242, 232, 212); background: rgb(33, 27, 21);"
        " border: none; outline: none; }"
        "QComboBox QAbstractItemView::item { padding: 4px 8px; min-height: 18px; border: none; }"
        "QComboBox QAbstractItemView::item:selected, QComboBox QAbstractItemView::item:hover {"
        " padding: 4px 8px; color: rgb(255, 255, 255); background: rgb(120, 90, 50); }"
        "QLineEdit { color: rgb(246, 226, 184); background: rgb(24, 20, 15);"
        " border: 1px solid rgb(104, 80, 50); border-radius: 2px; padding: 2px 6px; }"
        "QLineEdit:read-only { background: rgb(33, 27, 21); }"_s);
}

} // namespace velumo::ui
