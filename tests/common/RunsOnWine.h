// Wine, where the registry and the dialog manager are Wine's rather than Windows' own; the few places
// where they answer otherwise than Windows ask this.
#pragma once

#include "platform/win32/types.h"

inline bool runsOnWine() {
#ifdef _WIN32
    const HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll && GetProcAddress(ntdll, "wine_get_version");
#else
    return false;
#endif
}
