#include "platform/ui/qt/layer.h"

#include "platform/cursor.h"
#include "platform/ui/qt/accessibility.h"
#include "platform/ui/qt/cursor_sink.h"
#include "platform/ui/qt/dialog_style.h"
#include "platform/ui/qt/pointer.h"

#include <QApplication>

namespace vexor::ui::qt {

void ensureLayer() {
    static bool done = false;
    if (done || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    done = true;
    // One style everywhere, so that the layout checked in the gallery is the one users get.
    QApplication::setStyle(new DialogStyle);
    vexor::cursor::setSink(&applyCursor);
    trackPointer();
    installDialogAccessibility();
}

} // namespace vexor::ui::qt
