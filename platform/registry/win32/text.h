// Text at the boundary between the program and Windows' registry.
//
// Design: the program's text is UTF-8 on both platforms. On Windows the registry calls the program
// makes (registry.h) convert at this boundary and call the system's W functions:
// - reading (names found by enumeration, string data) gives the UTF-16 the registry holds as UTF-8,
//   whole: text another program stored in characters outside this machine's ANSI code page comes
//   back unchanged, so loading and saving it again never turns it into question marks;
// - writing new text (key names created, value names and string data set) stores exactly what a
//   program calling the A functions in the ANSI code page would store for the same typed text: the
//   text goes to the code page and back, as the A functions take it, and text the code page can't
//   hold (the used-default flag, no best-fit look-alikes) is refused with
//   ERROR_NO_UNICODE_TRANSLATION, as is text that is not valid UTF-8;
// - names only looked up (open, delete, query) are converted without that check, so a key another
//   program named outside the code page can still be read and removed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexor::registry::win32 {

// nullopt when the bytes are not valid UTF-8.
std::optional<std::wstring> fromUtf8(std::string_view text);

// The text as a program using the ANSI code page would store it; nullopt when the code page can't
// hold it or it is not valid UTF-8.
std::optional<std::wstring> throughCodePage(std::string_view text);

// nullopt when the UTF-16 is not well formed (an unpaired surrogate).
std::optional<std::string> toUtf8(std::wstring_view text);

} // namespace vexor::registry::win32
