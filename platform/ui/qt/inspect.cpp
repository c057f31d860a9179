#include "platform/ui/qt/inspect.h"

#include "platform/ui/qt/dialog_window.h"

namespace vexor::ui::qt {

QWidget* findControl(QWidget* dialogWindow, int id) {
    DialogWindow* dialog = DialogWindow::fromWidget(dialogWindow);
    ControlRecord* control = dialog ? dialog->controlById(id) : nullptr;
    return control ? widgetOf(*control) : nullptr;
}

int controlIdOf(const QWidget* widget) {
    DialogWindow* dialog = DialogWindow::containing(widget);
    const ControlRecord* control = dialog ? dialog->controlOf(widget) : nullptr;
    return control ? control->id() : 0;
}

} // namespace vexor::ui::qt
