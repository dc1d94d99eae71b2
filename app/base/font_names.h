#pragma once

namespace velumo {

// Maps the Windows font names the project tables store (宋体, 黑体, 微软雅黑, ...) to the
// installed CJK fonts, so every QFont built from a stored name finds real glyphs.
// Call once after the QGuiApplication exists.
void installFontSubstitutions();

} // namespace velumo
