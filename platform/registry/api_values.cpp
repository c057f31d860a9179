// Reading, setting and deleting values.
#include "platform/registry/registry.h"

#include "platform/registry/detail/access.h"
#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/guard.h"
#include "platform/registry/detail/handles.h"
#include "platform/registry/detail/open_access.h"
#include "platform/registry/detail/store_state.h"
#include "platform/registry/detail/values.h"
#include "platform/registry/detail/write_scope.h"

#include <cstring>

using namespace vexor::registry::detail;

namespace {

// Not in the vocabulary the program uses, but what Windows answers for data that isn't there.
constexpr LONG kErrorNoAccess = 998;

// Exactly the stored bytes: a REG_SZ stored without its NUL comes back without one.
LONG deliver(const ValueRow& value, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    if (lpType)
        *lpType = value.type;
    if (!lpcbData)
        return ERROR_SUCCESS;
    const auto size = static_cast<DWORD>(value.data.size());
    const bool fits = !lpData || *lpcbData >= size;
    if (lpData && fits)
        std::memcpy(lpData, value.data.data(), size);
    *lpcbData = size;
    return fits ? ERROR_SUCCESS : ERROR_MORE_DATA;
}

LONG queryValue(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                LPDWORD lpcbData) {
    if (lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    OpenKey key{};
    if (const LONG status = keyOfHandle(hKey, KEY_QUERY_VALUE, key))
        return status;
    ValueRow value;
    if (const LONG status = readValue(key.id, valueName(lpValueName), value))
        return status;
    return deliver(value, lpType, lpData, lpcbData);
}

LONG setValue(HKEY hKey, LPCSTR lpValueName, DWORD dwType, const BYTE* lpData, DWORD cbData) {
    OpenKey key{};
    if (const LONG status = HandleTable::instance().find(hKey, key))
        return status;
    if (!lpData && cbData)
        return kErrorNoAccess;
    const Name name = valueName(lpValueName);
    if (isValueNameTooLong(name))
        return ERROR_INVALID_PARAMETER;
    if (!allows(key.access, KEY_SET_VALUE) || key.id == kAccountsKeyId)
        return ERROR_ACCESS_DENIED;
    WriteScope scope;
    if (scope.status() != ERROR_SUCCESS)
        return scope.status();
    const std::string_view data(reinterpret_cast<const char*>(lpData), lpData ? cbData : 0);
    return scope.finish(writeValue(key.id, name, dwType, data));
}

LONG deleteValue(HKEY hKey, LPCSTR lpValueName) {
    OpenKey key{};
    if (const LONG status = keyOfHandle(hKey, KEY_SET_VALUE, key))
        return status;
    if (key.id == kAccountsKeyId)
        return ERROR_ACCESS_DENIED;
    const Name name = valueName(lpValueName);
    ValueRow existing; // looked for first, so that deleting nothing writes nothing
    if (const LONG status = readValue(key.id, name, existing))
        return status;
    WriteScope scope;
    if (scope.status() != ERROR_SUCCESS)
        return scope.status();
    return scope.finish(removeValue(key.id, name));
}

} // namespace

LONG RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                      LPDWORD lpcbData) {
    return guarded([&] { return queryValue(hKey, lpValueName, lpReserved, lpType, lpData, lpcbData); });
}

LONG RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData, DWORD cbData) {
    return writeOutcome(guarded([&] { return setValue(hKey, lpValueName, dwType, lpData, cbData); }));
}

LONG RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) {
    return writeOutcome(guarded([&] { return deleteValue(hKey, lpValueName); }));
}
