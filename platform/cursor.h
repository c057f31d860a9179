// The cursor calls the program makes around slow work. On Windows they are user32's; elsewhere the
// dialog layer supplies the cursor, and until it does (tools, tests of the store) they change nothing.
#pragma once

#include "platform/win32/types.h"

#ifndef _WIN32
HCURSOR LoadCursorA(HINSTANCE hInstance, LPCSTR lpCursorName);
HCURSOR SetCursor(HCURSOR hCursor);

namespace vexor::cursor {
// Receives the id of each cursor set (32512 arrow, 32514 wait); nullptr restores "do nothing".
using Sink = void (*)(int cursorId);
void setSink(Sink sink);
} // namespace vexor::cursor
#endif
