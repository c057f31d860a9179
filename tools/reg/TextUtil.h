// Small text helpers shared by the parsers: ASCII case folding (switches, root and type names are
// ASCII; names of keys and values are never folded here) and hex digits.
#pragma once

#include <string>
#include <string_view>

bool EqualsNoCase(std::string_view a, std::string_view b);
bool StartsWithNoCase(std::string_view text, std::string_view prefix);

// -1 for a character that is not a hex digit.
int HexDigitValue(char c);

// Two lower-case hex digits for each byte.
std::string HexByte(unsigned char byte);

// Text as it may be shown on a terminal: control characters (C0, DEL and C1) and bytes that are not
// UTF-8 become \xHH, one per byte, so that no name or data can fake output lines or drive the
// terminal. Everything else, backslashes included, stays as it is.
std::string EscapeForDisplay(std::string_view text);
