// A window's text as the W functions give it; the conversions are platform/win32/text.h's.
#pragma once

#include <windows.h>

#include <string>

namespace vexor::ui::win32 {

std::wstring windowText(HWND hWnd);

} // namespace vexor::ui::win32
