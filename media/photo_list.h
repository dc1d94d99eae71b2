#pragma once

#include <functional>

namespace velumo {

struct Form1State;

// Renumbers the imported photos 1 to N and rebuilds the photo panel's list from them.
// `keepAlive` runs once per row.
void rebuildPhotoList(Form1State &form1, const std::function<void()> &keepAlive);

} // namespace velumo
