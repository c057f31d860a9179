/* The Vexor IDE's registry store for programs that read (or write) the accounts the Access Manager
 * keeps: the Win32 registry calls with their Windows names, signatures, handle rules and status
 * codes, served from libvexor-registry. Code written against the Windows registry compiles against
 * this header unchanged. C and C++ alike.
 *
 * The store is the file named by $VEXOR_REGISTRY; else /var/lib/vexor/registry.db when the folder
 * /var/lib/vexor exists (the machine-wide store an installed Access Manager keeps); else the
 * calling user's own store, $XDG_DATA_HOME/vexor/registry.db or ~/.local/share/vexor/registry.db.
 * A user who may not write the store reads it: opening a key with write access then fails with
 * ERROR_ACCESS_DENIED. */
#ifndef VEXOR_REGISTRY_H
#define VEXOR_REGISTRY_H

#include <stdint.h>

#ifndef VEXOR_API
#define VEXOR_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* A program that has these Win32 types already (the Access Manager's own code does) defines
 * VEXOR_HAVE_WIN32_TYPES first. */
#ifndef VEXOR_HAVE_WIN32_TYPES
typedef uint8_t BYTE;
typedef uint32_t DWORD; /* 32 bits, as on Windows, whatever the width of long */
typedef int32_t LONG;
typedef char* LPSTR;
typedef const char* LPCSTR;
typedef BYTE* LPBYTE;
typedef DWORD* LPDWORD;
typedef DWORD REGSAM;
typedef struct HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef struct FILETIME {
    DWORD dwLowDateTime;
    DWORD dwHighDateTime;
} FILETIME;
typedef FILETIME* PFILETIME;
typedef struct SECURITY_ATTRIBUTES* LPSECURITY_ATTRIBUTES; /* ignored; pass NULL */
#endif

#ifdef __cplusplus
#define VEXOR_PREDEFINED_KEY(value)                                                                          \
    reinterpret_cast<HKEY>(static_cast<uintptr_t>(static_cast<int32_t>(value)))
#else
#define VEXOR_PREDEFINED_KEY(value) ((HKEY)(uintptr_t)(intptr_t)(int32_t)(value))
#endif
#define HKEY_CLASSES_ROOT (VEXOR_PREDEFINED_KEY(0x80000000))
#define HKEY_LOCAL_MACHINE (VEXOR_PREDEFINED_KEY(0x80000002))

#define KEY_QUERY_VALUE 0x0001
#define KEY_SET_VALUE 0x0002
#define KEY_CREATE_SUB_KEY 0x0004
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_NOTIFY 0x0010
#define KEY_READ 0x20019
#define KEY_WRITE 0x20006
#define KEY_ALL_ACCESS 0xF003F

#define REG_OPTION_NON_VOLATILE 0x00000000L
#define REG_CREATED_NEW_KEY 0x00000001L
#define REG_OPENED_EXISTING_KEY 0x00000002L

#define REG_NONE 0
#define REG_SZ 1
#define REG_EXPAND_SZ 2
#define REG_BINARY 3
#define REG_DWORD 4
#define REG_MULTI_SZ 7

/* Status codes the calls return */
#define ERROR_SUCCESS 0L
#define ERROR_FILE_NOT_FOUND 2L
#define ERROR_ACCESS_DENIED 5L
#define ERROR_INVALID_HANDLE 6L
#define ERROR_NOT_ENOUGH_MEMORY 8L
#define ERROR_WRITE_FAULT 29L
#define ERROR_INVALID_PARAMETER 87L
#define ERROR_BUSY 170L
#define ERROR_BAD_PATHNAME 161L
#define ERROR_ALREADY_EXISTS 183L
#define ERROR_MORE_DATA 234L
#define ERROR_NO_MORE_ITEMS 259L
#define ERROR_BADDB 1009L
#define ERROR_BADKEY 1010L
#define ERROR_CANTREAD 1012L
#define ERROR_CANTWRITE 1013L
#define ERROR_REGISTRY_CORRUPT 1015L
#define ERROR_KEY_DELETED 1018L

VEXOR_API LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult);
VEXOR_API LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions,
                               REGSAM samDesired, LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult,
                               LPDWORD lpdwDisposition);
VEXOR_API LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType,
                                LPBYTE lpData, LPDWORD lpcbData);
VEXOR_API LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData,
                              DWORD cbData);
VEXOR_API LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName);
VEXOR_API LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                             LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime);
VEXOR_API LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName,
                             LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData);
VEXOR_API LONG RegCloseKey(HKEY hKey);
VEXOR_API DWORD SHDeleteKeyA(HKEY hkey, LPCSTR pszSubKey);

#ifdef __cplusplus
}
#endif

#endif /* VEXOR_REGISTRY_H */
