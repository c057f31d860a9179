// Loading an entry of the program's string table. On Windows user32's LoadStringA over the .rc;
// elsewhere the same call over the table in resources/.
#pragma once

#include "platform/win32/types.h"

#ifndef _WIN32
// Copies entry uID into lpBuffer (at most cchBufferMax - 1 bytes and a NUL) and returns the number of
// bytes copied; 0 when the table has no such entry or the buffer has no room.
int LoadStringA(HINSTANCE hInstance, UINT uID, LPSTR lpBuffer, int cchBufferMax);
#endif
