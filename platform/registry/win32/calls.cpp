#include "platform/registry/win32/calls.h"

#include "platform/registry/win32/journal.h"
#include "platform/win32/text.h"

#include <shlwapi.h>

#include <cstring>
#include <optional>
#include <string>
#include <vector>

namespace vexor::registry::win32 {

using vexor::win32::fromUtf8;
using vexor::win32::throughCodePage;
using vexor::win32::toUtf8;

namespace {

bool isText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ || type == REG_MULTI_SZ;
}

// A name as given: nullptr stays nullptr (the key itself, the unnamed value).
std::optional<std::wstring> name(LPCSTR text) {
    return fromUtf8(text ? text : "");
}

const wchar_t* orNull(LPCSTR given, const std::wstring& wide) {
    return given ? wide.c_str() : nullptr;
}

// Hands `bytes` to a caller's buffer with the registry's size rules: the size alone when there is no
// buffer, ERROR_MORE_DATA and the size needed when it is too small.
LONG giveData(const std::string& bytes, LPBYTE lpData, LPDWORD lpcbData) {
    if (!lpcbData)
        return lpData ? ERROR_INVALID_PARAMETER : ERROR_SUCCESS;
    const DWORD needed = static_cast<DWORD>(bytes.size());
    if (lpData && *lpcbData < needed) {
        *lpcbData = needed;
        return ERROR_MORE_DATA;
    }
    if (lpData)
        std::memcpy(lpData, bytes.data(), bytes.size());
    *lpcbData = needed;
    return ERROR_SUCCESS;
}

// A name found by enumeration into the caller's buffer, counted in bytes of UTF-8 as the A functions
// count characters: the length without the NUL on success, ERROR_MORE_DATA when it does not fit.
LONG giveName(const wchar_t* found, DWORD length, LPSTR lpName, LPDWORD lpcchName) {
    const std::optional<std::string> text = toUtf8(std::wstring_view(found, length));
    if (!text)
        return ERROR_NO_UNICODE_TRANSLATION;
    if (!lpName || !lpcchName)
        return ERROR_INVALID_PARAMETER;
    if (*lpcchName <= text->size())
        return ERROR_MORE_DATA;
    std::memcpy(lpName, text->c_str(), text->size() + 1);
    *lpcchName = static_cast<DWORD>(text->size());
    return ERROR_SUCCESS;
}

// The whole of a value's data as stored, its type with it. Data that changes between the size and
// the read is read again.
LONG readValue(HKEY hKey, const wchar_t* valueName, DWORD& type, std::vector<BYTE>& data) {
    DWORD size = 0;
    for (;;) {
        LONG status = RegQueryValueExW(hKey, valueName, nullptr, &type, nullptr, &size);
        if (status != ERROR_SUCCESS)
            return status;
        data.resize(size);
        status = RegQueryValueExW(hKey, valueName, nullptr, &type, data.data(), &size);
        if (status == ERROR_MORE_DATA)
            continue;
        data.resize(size);
        return status;
    }
}

// Stored data as the program sees it: text as UTF-8 (a stray odd byte at the end is dropped, as it
// can't be half a character), everything else as it is.
LONG programData(DWORD type, const std::vector<BYTE>& data, std::string& bytes) {
    if (!isText(type)) {
        bytes.assign(data.begin(), data.end());
        return ERROR_SUCCESS;
    }
    std::wstring wide(data.size() / 2, L'\0');
    std::memcpy(wide.data(), data.data(), wide.size() * 2);
    const std::optional<std::string> text = toUtf8(wide);
    if (!text)
        return ERROR_NO_UNICODE_TRANSLATION;
    bytes = *text;
    return ERROR_SUCCESS;
}

LONG queryWide(HKEY hKey, const wchar_t* valueName, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    DWORD type = 0;
    std::vector<BYTE> data;
    if (const LONG status = readValue(hKey, valueName, type, data))
        return status;
    std::string bytes;
    if (const LONG status = programData(type, data, bytes))
        return status;
    if (lpType)
        *lpType = type;
    return giveData(bytes, lpData, lpcbData);
}

} // namespace

// Without a place for the handle Wine writes through a null pointer; these are the statuses Windows
// and our store give instead.
LONG openKey(HKEY hKey, LPCSTR lpSubKey, DWORD ulOptions, REGSAM samDesired, PHKEY phkResult) {
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    if (const LONG refused = refuseWriteAccess(samDesired))
        return refused;
    const std::optional<std::wstring> path = name(lpSubKey);
    if (!path)
        return ERROR_NO_UNICODE_TRANSLATION;
    const LONG status = RegOpenKeyExW(hKey, orNull(lpSubKey, *path), ulOptions, samDesired, phkResult);
    if (status == ERROR_SUCCESS)
        rememberHandle(*phkResult, hKey, orNull(lpSubKey, *path));
    return status;
}

LONG createKey(HKEY hKey, LPCSTR lpSubKey, DWORD Reserved, LPSTR lpClass, DWORD dwOptions, REGSAM samDesired,
               LPSECURITY_ATTRIBUTES lpSecurityAttributes, PHKEY phkResult, LPDWORD lpdwDisposition) {
    if (!phkResult)
        return ERROR_BADKEY;
    const std::optional<std::wstring> path = throughCodePage(lpSubKey ? lpSubKey : "");
    const std::optional<std::wstring> keyClass = throughCodePage(lpClass ? lpClass : "");
    LONG status = path && keyClass ? beforeChange() : ERROR_NO_UNICODE_TRANSLATION;
    if (status == ERROR_SUCCESS) {
        status = RegCreateKeyExW(hKey, orNull(lpSubKey, *path), Reserved,
                                 lpClass ? const_cast<wchar_t*>(keyClass->c_str()) : nullptr, dwOptions, samDesired,
                                 lpSecurityAttributes, phkResult, lpdwDisposition);
    }
    if (status == ERROR_SUCCESS)
        rememberHandle(*phkResult, hKey, orNull(lpSubKey, *path));
    noteWrite(status, hKey, path ? orNull(lpSubKey, *path) : nullptr, nullptr);
    return status;
}

LONG queryValue(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                LPDWORD lpcbData) {
    if (lpReserved)
        return ERROR_INVALID_PARAMETER;
    const std::optional<std::wstring> valueName = name(lpValueName);
    if (!valueName)
        return ERROR_NO_UNICODE_TRANSLATION;
    return queryWide(hKey, orNull(lpValueName, *valueName), lpType, lpData, lpcbData);
}

LONG setValue(HKEY hKey, LPCSTR lpValueName, DWORD Reserved, DWORD dwType, const BYTE* lpData, DWORD cbData) {
    const std::optional<std::wstring> valueName = throughCodePage(lpValueName ? lpValueName : "");
    std::optional<std::wstring> text;
    if (isText(dwType) && lpData)
        text = throughCodePage(std::string_view(reinterpret_cast<const char*>(lpData), cbData));
    LONG status =
        valueName && (!isText(dwType) || !lpData || text) ? beforeChange() : ERROR_NO_UNICODE_TRANSLATION;
    if (status == ERROR_SUCCESS && !text)
        status = RegSetValueExW(hKey, valueName->c_str(), Reserved, dwType, lpData, cbData);
    else if (status == ERROR_SUCCESS)
        status = RegSetValueExW(hKey, valueName->c_str(), Reserved, dwType, reinterpret_cast<const BYTE*>(text->data()),
                                static_cast<DWORD>(text->size() * 2));
    noteWrite(status, hKey, nullptr, valueName ? valueName->c_str() : L"");
    return status;
}

// Inside a transaction deletions wait for its commit (journal.h).
LONG deleteValue(HKEY hKey, LPCSTR lpValueName) {
    const std::optional<std::wstring> valueName = name(lpValueName);
    if (!valueName)
        return ERROR_NO_UNICODE_TRANSLATION;
    if (const std::optional<LONG> deferred = deferDeleteValue(hKey, valueName->c_str()))
        return *deferred;
    if (const LONG refused = beforeChange())
        return refused;
    return RegDeleteValueW(hKey, orNull(lpValueName, *valueName));
}

LONG enumKey(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved, LPSTR lpClass,
             LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
    wchar_t found[256];
    DWORD length = 256;
    const LONG status =
        RegEnumKeyExW(hKey, dwIndex, found, &length, lpReserved, nullptr, nullptr, lpftLastWriteTime);
    if (status != ERROR_SUCCESS)
        return status;
    // Keys have no class here: the program never gives one.
    if (lpClass && lpcchClass && *lpcchClass > 0) {
        lpClass[0] = '\0';
        *lpcchClass = 0;
    }
    return giveName(found, length, lpName, lpcchName);
}

LONG enumValue(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
               LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    std::wstring found(16384, L'\0');
    DWORD length = static_cast<DWORD>(found.size());
    const LONG status =
        RegEnumValueW(hKey, dwIndex, found.data(), &length, lpReserved, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    found.resize(length);
    if (const LONG named = giveName(found.c_str(), length, lpValueName, lpcchValueName))
        return named;
    if (!lpType && !lpData && !lpcbData)
        return ERROR_SUCCESS;
    return queryWide(hKey, found.c_str(), lpType, lpData, lpcbData);
}

DWORD deleteTree(HKEY hKey, LPCSTR pszSubKey) {
    const std::optional<std::wstring> path = name(pszSubKey);
    if (!path)
        return ERROR_NO_UNICODE_TRANSLATION;
    if (const std::optional<LONG> deferred = deferDeleteKey(hKey, path->c_str()))
        return static_cast<DWORD>(*deferred);
    if (const LONG refused = beforeChange())
        return static_cast<DWORD>(refused);
    return SHDeleteKeyW(hKey, orNull(pszSubKey, *path));
}

LONG closeKey(HKEY hKey) {
    forgetHandle(hKey);
    return RegCloseKey(hKey);
}

} // namespace vexor::registry::win32
