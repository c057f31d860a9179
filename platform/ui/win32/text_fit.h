// No text of a static may be cut off. The templates were measured in MS Shell Dlg; where the face
// standing in for it needs more room (Wine's Tahoma sets the administrator login's one line about a
// tenth wider than the template allows, so its last words went to a second line nobody sees), the
// static gets the dialog's font slightly narrower rather than lose a word.
#pragma once

#include <windows.h>

namespace vexor::ui::win32 {

// The narrowest the font gets, in percent of its own width; a text that needs more keeps that font.
inline constexpr int kNarrowestFontPercent = 85;

// Makes a static's text fit its box, narrowing its font step by step when needed. Returns the font it
// set, which the caller deletes once the control is gone, or nullptr when the text fit as it was.
HFONT fitStaticText(HWND control);

} // namespace vexor::ui::win32
