// The Win32 registry functions the program calls. On Windows they are advapi32's and shlwapi's;
// elsewhere they are served by our own store (one SQLite file, see store.h) with the same
// signatures, handle rules and status codes.
#pragma once

#include "platform/win32/types.h"

#ifdef _WIN32
#include <shlwapi.h>

// The program's text is UTF-8; these names reach the system's registry through the conversion in
// platform/win32/text.h rather than straight through the A functions, which would take it for ANSI text.
#include "platform/registry/win32/calls.h"
#define RegOpenKeyExA vexor::registry::win32::openKey
#define RegCreateKeyExA vexor::registry::win32::createKey
#define RegQueryValueExA vexor::registry::win32::queryValue
#define RegSetValueExA vexor::registry::win32::setValue
#define RegDeleteValueA vexor::registry::win32::deleteValue
#define RegEnumKeyExA vexor::registry::win32::enumKey
#define RegEnumValueA vexor::registry::win32::enumValue
#define SHDeleteKeyA vexor::registry::win32::deleteTree
#define RegCloseKey vexor::registry::win32::closeKey
#else

// The calls, their constants and their C linkage are the shared library's public interface, the one
// the IDE compiles against (lib/); the types are this program's own Win32 vocabulary.
#define VEXOR_HAVE_WIN32_TYPES
#include "lib/include/vexor/registry.h"

#endif // _WIN32
