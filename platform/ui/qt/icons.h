// Icons of the resources as HICON handles. A handle stands for one icon resource for the whole
// process (as LoadIcon's shared icons do), so handles are never freed.
#pragma once

#include "platform/win32/types.h"

#include <QIcon>

namespace vexor::ui::qt {

// nullptr when the resources have no such icon or no GUI application exists yet.
HICON iconHandle(int resourceId);

// nullptr for a handle that did not come from iconHandle.
const QIcon* iconFromHandle(HICON handle);

// Every window shows the program icon, when the program registered one.
void applyProgramIcon(QWidget* window);

} // namespace vexor::ui::qt
