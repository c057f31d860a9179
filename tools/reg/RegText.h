// The rules for text values that the .reg writer and parser share.
#pragma once

#include "platform/win32/types.h"

#include <string>
#include <string_view>

// REG_SZ, REG_EXPAND_SZ and REG_MULTI_SZ: text that the current file format stores as UTF-16LE
// in hex(N): form.
bool IsTextType(DWORD dwType);

// Whether REG_SZ data can be written as "..." and read back as the very same bytes: exactly one
// NUL, at the end, valid UTF-8 before it, and no line break (a quoted string lives on one line).
bool IsQuotableString(std::string_view data);

// Backslash and double quote escaped with a backslash, as inside "..." in a .reg file.
std::string EscapeQuoted(std::string_view text);

// Reads "..." at the start of rest (which must begin with the quote), undoing \\ and \"; rest is
// left just after the closing quote. Any other escape, or a missing closing quote, is refused: a
// guess could store something other than what the file meant.
bool ParseQuotedText(std::string_view& rest, std::string& text, std::string& strError);
