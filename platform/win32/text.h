// Text at the boundary between the program and Windows' W functions.
//
// Design note. The program's text is UTF-8 on both platforms: its own texts as written in the source,
// the templates, and what it stores. On Windows the program talks to the system only through the W
// functions and converts here, UTF-8 <-> UTF-16, for the registry calls and the dialog backend alike.
//
// The IDE that reads the store is an A-function program in the machine's ANSI code page, so text
// that enters the store must be text it can type and compare:
// - text read back (names found by enumeration, string data, a control's text for display) is
//   converted whole: text another program stored in characters outside the code page comes back
//   unchanged, so loading and saving it again never turns it into question marks;
// - new text (key names created, value names and string data set, what the user types) goes to the
//   code page and back, as the A functions take it, and text the code page can't hold is refused
//   rather than turned into '?' or a best-fit look-alike ("ł" quietly becoming "l") behind the
//   user's back: the registry answers ERROR_NO_UNICODE_TRANSLATION, and the dialog keeps OK
//   disabled, as on Linux for text that isn't valid UTF-16;
// - names only looked up (open, delete, query) are converted without that check, so a key another
//   program named outside the code page can still be read and removed.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace vexor::win32 {

// Lenient, for display: malformed input becomes U+FFFD rather than failing.
std::wstring widen(std::string_view text);
std::string narrow(std::wstring_view text);

// Strict, for what is stored: nullopt when the bytes are not valid UTF-8 ...
std::optional<std::wstring> fromUtf8(std::string_view text);
// ... or the UTF-16 is not well formed (an unpaired surrogate).
std::optional<std::string> toUtf8(std::wstring_view text);

// TRUE when every character survives the way into the ANSI code page unchanged.
bool representable(std::wstring_view text);

// The text as a program using the ANSI code page would store it; nullopt when the code page can't
// hold it or it is not valid UTF-8.
std::optional<std::wstring> throughCodePage(std::string_view text);

// Typed text as the program takes it: through the ANSI code page, as UTF-8. Characters the code page
// has no byte for come out as its default character; representable() tells beforehand.
std::string typedText(std::wstring_view text);

// The system's sentence for an error code, as UTF-8, without its closing line break; "error N" when
// the system has none.
std::string systemMessage(unsigned long error);

} // namespace vexor::win32
