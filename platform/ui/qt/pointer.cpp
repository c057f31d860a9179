#include "platform/ui/qt/pointer.h"

#include "platform/ui/afx.h"

#include <QCoreApplication>
#include <QCursor>
#include <QMouseEvent>

#include <cmath>
#include <optional>

namespace vexor::ui::qt {

namespace {
std::optional<QPointF> g_lastPosition;

class PointerTracker : public QObject {
  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseMove:
            g_lastPosition = static_cast<QMouseEvent*>(event)->globalPosition();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }
};
} // namespace

void trackPointer() {
    static PointerTracker tracker;
    QCoreApplication::instance()->installEventFilter(&tracker);
}

} // namespace vexor::ui::qt

BOOL GetCursorPos(LPPOINT lpPoint) {
    if (!lpPoint)
        return FALSE;
    const QPointF at = vexor::ui::qt::g_lastPosition.value_or(QPointF(QCursor::pos()));
    lpPoint->x = static_cast<LONG>(std::floor(at.x()));
    lpPoint->y = static_cast<LONG>(std::floor(at.y()));
    return TRUE;
}
