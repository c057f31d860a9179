#include "platform/cursor.h"

namespace {
vexor::cursor::Sink g_sink = nullptr;
}

// A cursor handle is the resource id of the standard cursor it stands for.
HCURSOR LoadCursorA(HINSTANCE, LPCSTR lpCursorName) {
    if (!IS_INTRESOURCE(lpCursorName))
        return nullptr;
    return reinterpret_cast<HCURSOR>(const_cast<LPSTR>(lpCursorName));
}

HCURSOR SetCursor(HCURSOR hCursor) {
    static HCURSOR current = nullptr;
    HCURSOR previous = current;
    current = hCursor;
    if (g_sink && hCursor)
        g_sink(static_cast<int>(reinterpret_cast<ULONG_PTR>(hCursor)));
    return previous;
}

namespace vexor::cursor {
void setSink(Sink sink) { g_sink = sink; }
} // namespace vexor::cursor
