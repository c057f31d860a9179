// GetCursorPos: the pointer where the latest mouse event saw it, in screen coordinates. Qt knows the
// pointer only from its events (offscreen there is no other), and a control handling a button
// release must see the position of that release.
#pragma once

namespace vexor::ui::qt {

void trackPointer();

} // namespace vexor::ui::qt
