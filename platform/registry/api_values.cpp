// Reading, setting and deleting values.
#include "platform/registry/registry.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/handles.h"
#include "platform/registry/detail/keys.h"
#include "platform/registry/detail/store_state.h"

#include <cstring>

using namespace vexor::registry::detail;
using vexor::registry::ValueState;

namespace {

// Not in the vocabulary the program uses, but what Windows answers for data that isn't there.
constexpr LONG kErrorNoAccess = 998;

// Exactly the stored bytes: a REG_SZ stored without its NUL comes back without one.
LONG deliver(const ValueState& value, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
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

// ERROR_FILE_NOT_FOUND when the key has no such value, ERROR_KEY_DELETED when the key is gone.
LONG findValue(std::int64_t key, const Name& name, const ValueState*& value) {
    LONG status = ERROR_SUCCESS;
    Node* node = nodeOf(key, status);
    if (!node)
        return status;
    value = Store::instance().image().value(*node, name.folded);
    return value ? ERROR_SUCCESS : ERROR_FILE_NOT_FOUND;
}

LONG queryValue(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                LPDWORD lpcbData) {
    if (lpReserved || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    OpenKey key{};
    if (const LONG status = keyOfHandle(hKey, KEY_QUERY_VALUE, key))
        return status;
    const Name name = valueName(lpValueName);
    if (key.id == kAccountsKeyId) {
        ValueState account;
        if (const LONG status = readAccount(name, account))
            return status;
        return deliver(account, lpType, lpData, lpcbData);
    }
    const ValueState* value = nullptr;
    if (const LONG status = findValue(key.id, name, value))
        return status;
    return deliver(*value, lpType, lpData, lpcbData);
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
    LONG status = ERROR_SUCCESS;
    if (Node* node = nodeOf(key.id, status)) {
        const std::string_view data(reinterpret_cast<const char*>(lpData), lpData ? cbData : 0);
        Store::instance().image().setValue(*node, name, dwType, data);
    }
    return scope.finish(status);
}

LONG deleteValue(HKEY hKey, LPCSTR lpValueName) {
    OpenKey key{};
    if (const LONG status = keyOfHandle(hKey, KEY_SET_VALUE, key))
        return status;
    if (key.id == kAccountsKeyId)
        return ERROR_ACCESS_DENIED;
    const Name name = valueName(lpValueName);
    const ValueState* existing = nullptr; // looked for first, so that deleting nothing writes nothing
    if (const LONG status = findValue(key.id, name, existing))
        return status;
    WriteScope scope;
    if (scope.status() != ERROR_SUCCESS)
        return scope.status();
    LONG status = findValue(key.id, name, existing);
    if (status == ERROR_SUCCESS)
        Store::instance().image().removeValue(*Store::instance().image().find(key.id), name.folded);
    return scope.finish(status);
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
