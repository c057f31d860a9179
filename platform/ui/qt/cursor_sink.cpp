#include "platform/ui/qt/cursor_sink.h"

#include <QApplication>

namespace vexor::ui::qt {

namespace {
constexpr int kWaitCursorId = 32514;
}

// Windows' SetCursor replaces the cursor rather than stacking it, so every change here leaves at
// most one override in place.
void applyCursor(int cursorId) {
    if (!qApp)
        return;
    if (cursorId == kWaitCursorId) {
        if (QApplication::overrideCursor())
            QApplication::changeOverrideCursor(Qt::WaitCursor);
        else
            QApplication::setOverrideCursor(Qt::WaitCursor);
        return;
    }
    while (QApplication::overrideCursor())
        QApplication::restoreOverrideCursor();
}

} // namespace vexor::ui::qt
