// The program's SetCursor calls as Qt's override cursor: the wait cursor while slow work runs, and
// the arrow (no override) afterwards.
#pragma once

namespace vexor::ui::qt {

// 32514 (IDC_WAIT) shows the wait cursor; any other cursor id gives the normal one back.
void applyCursor(int cursorId);

} // namespace vexor::ui::qt
