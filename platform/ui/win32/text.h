// Text at the boundary between the program and Windows' W functions.
//
// Design note. The program is an A-function program: every narrow string it hands to the framework
// or gets from it (window texts, list and combo items, message boxes) is in the machine's ANSI code
// page, exactly as GetWindowTextA, RegSetValueExA and LoadStringA see it, so that what a user types
// reaches the registry as the bytes an A-function program would store. The backend itself talks to
// Windows only through the W functions and converts here, in one place: CP_ACP for the program's
// text, CP_UTF8 for the framework's own data (the dialog templates are UTF-8 on both platforms).
// Typed text the code page can't hold is not turned into '?' or a best-fit look-alike behind the
// user's back: representable() says so and the program refuses the text, as on Linux.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vexor::ui::win32 {

std::wstring widen(std::string_view text, UINT codePage);
// Characters the code page has no byte for come out as its default character.
std::string narrow(std::wstring_view text, UINT codePage);
// TRUE when every character survives the way into the ANSI code page unchanged.
bool representable(std::wstring_view text);

std::wstring windowText(HWND hWnd);

} // namespace vexor::ui::win32
