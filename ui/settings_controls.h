#pragma once

class QWidget;

namespace velumo::ui {

// Gives the option controls inside `container` (radio buttons, check boxes, drop-downs,
// read-only edits, group frames) the look of the skinned windows: light 宋体 text on the dark
// body, bronze frames with gold titles. Children added later inherit it.
void applySettingsLook(QWidget *container);

} // namespace velumo::ui
