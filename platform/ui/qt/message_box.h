// Message boxes: caption, text, the icon of the type, one OK button; closing them any way is IDOK.
#pragma once

#include "platform/win32/types.h"

class QWidget;

namespace vexor::ui::qt {

int showMessageBox(QWidget* owner, LPCSTR text, LPCSTR caption, UINT type);

} // namespace vexor::ui::qt
