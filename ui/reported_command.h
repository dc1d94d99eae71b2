#pragma once

#include <functional>

namespace velumo::ui {

class MessageBox;

// Runs one user command from a window's handler. An error thrown inside ends that command
// only: its message is shown in the message box and the program goes on. Returns whether the
// command ran to its end.
bool runReported(MessageBox &box, const std::function<void()> &command);

} // namespace velumo::ui
