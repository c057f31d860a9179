// Text at the boundary between the program and Windows' W functions.
//
// Design note. The program's text is UTF-8 on both platforms: its own texts as written in the source,
// the templates, and what it stores (the registry calls convert at their own boundary). The backend
// talks to Windows only through the W functions and converts here, UTF-8 <-> UTF-16, in one place.
// Typed text reaches the program as a program using the A functions in the machine's ANSI code page
// would get it (it goes through the code page and back), and text the code page can't hold is
// refused rather than turned into '?' or a best-fit look-alike behind the user's back:
// representable() says so, and the program keeps OK disabled, as on Linux for text that isn't
// valid UTF-16. A stored name or password therefore is always text an A-function program, the IDE,
// can type and compare.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace vexor::ui::win32 {

std::wstring widen(std::string_view text, UINT codePage = CP_UTF8);
// Characters the code page has no byte for come out as its default character.
std::string narrow(std::wstring_view text, UINT codePage = CP_UTF8);
// Typed text as the program takes it: through the ANSI code page, as UTF-8.
std::string typedText(std::wstring_view text);
// TRUE when every character survives the way into the ANSI code page unchanged.
bool representable(std::wstring_view text);

std::wstring windowText(HWND hWnd);

} // namespace vexor::ui::win32
