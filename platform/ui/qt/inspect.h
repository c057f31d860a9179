// For tests and the gallery, which act on dialogs as a user does: the widgets behind control ids.
#pragma once

class QWidget;

namespace vexor::ui::qt {

// The widget of control id in a dialog window (a ModalInfo's window); nullptr when there is none.
QWidget* findControl(QWidget* dialogWindow, int id);

// The id of the control a widget belongs to; 0 when it belongs to none.
int controlIdOf(const QWidget* widget);

} // namespace vexor::ui::qt
