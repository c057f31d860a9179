// The Win32 registry functions the program calls. On Windows they are advapi32's and shlwapi's;
// elsewhere they are served by our own store (one SQLite file, see store.h) with the same
// signatures, handle rules and status codes.
#pragma once

#include "platform/win32/types.h"

#ifdef _WIN32
#include <shlwapi.h>
#else

// The calls, their constants and their C linkage are the shared library's public interface, the one
// the IDE compiles against (lib/); the types are this program's own Win32 vocabulary.
#define VEXOR_HAVE_WIN32_TYPES
#include "lib/include/vexor/registry.h"

#endif // _WIN32
