// No text of a static may be cut off. The templates were measured in MS Shell Dlg; where the face
// standing in for it needs a few pixels more (Wine's Tahoma measures the administrator login's one
// line a pixel wider than its box, so its last word went to a second line nobody sees, and draws it
// a few pixels wider still), the static grows to the right into the free room beside it, up to the
// next control or the dialog's edge, rather than lose a word. Narrowing the font is no way out: its
// width only comes in whole pixels of the average character (a fifth of it at 8 pt).
#pragma once

#include <windows.h>

namespace vexor::ui::win32 {

// Widens a static whose text does not fit its box just enough, when the room beside it allows.
void fitStaticText(HWND control);

} // namespace vexor::ui::win32
