// Loading an entry of the program's string table. On Windows the .rc's STRINGTABLE, read with
// LoadStringW and handed on as UTF-8; elsewhere LoadStringA over the table the program hands over at
// start-up. Both are built from one list of entries, so the two platforms can't disagree on a text.
#pragma once

#include "platform/win32/types.h"

#include <span>
#include <string>

namespace vexor::strings {
struct Entry {
    UINT id;
    const char* text; // UTF-8
};

// Entry id, whole, as UTF-8; "" when the table has no such entry.
std::string load(UINT id);
} // namespace vexor::strings

#ifndef _WIN32
namespace vexor::strings {
// Replaces the table LoadStringA reads; the entries must outlive every call (static data does).
void setTable(std::span<const Entry> table);
} // namespace vexor::strings

// Copies entry uID into lpBuffer (at most cchBufferMax - 1 bytes and a NUL) and returns the number of
// bytes copied; 0 when the table has no such entry or the buffer has no room.
int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);
#endif
