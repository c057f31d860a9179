// The registry calls the program makes, on Windows: the system's registry behind the UTF-8 boundary
// described in text.h. Same signatures, handle rules and status codes as advapi32's and shlwapi's
// A functions; registry.h points the A names at them.
#pragma once

#include "platform/win32/types.h"

namespace vexor::registry::win32 {

LONG openKey(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
LONG createKey(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions, REGSAM samDesired,
               LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult, LPDWORD lpdwDisposition);
LONG queryValue(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                LPDWORD lpcbData);
LONG setValue(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData, DWORD cbData);
LONG deleteValue(HKEY hKey, LPCSTR lpValueName);
LONG enumKey(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved, LPSTR lpClass,
             LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
LONG enumValue(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
               LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
DWORD deleteTree(HKEY hKey, LPCSTR pszSubKey);
LONG closeKey(HKEY hKey);

} // namespace vexor::registry::win32
