// Qt key codes as Windows virtual-key codes, for the WM_KEYDOWN/WM_KEYUP a control object receives.
#pragma once

#include "platform/win32/types.h"

namespace vexor::ui::qt {

// 0 for keys the program has no name for.
UINT virtualKeyOf(int qtKey);

} // namespace vexor::ui::qt
