// The program's icons as Windows icon handles, made from the PNG images it registered (the same
// images the Qt backend shows), so that dialogs of test programs without resources have them too.
#pragma once

#include <windows.h>

namespace vexor::ui::win32 {

// The image of the icon nearest the given size; nullptr when no icon has the id. Handles live as
// long as the process.
HICON iconHandle(int resourceId, int size);

} // namespace vexor::ui::win32
