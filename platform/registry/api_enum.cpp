// Enumerating subkeys and values by index.
#include "platform/registry/registry.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/handles.h"
#include "platform/registry/detail/keys.h"
#include "platform/registry/detail/store_state.h"

#include <cstring>

using namespace vexor::registry::detail;
using vexor::registry::ValueState;

namespace {

// A name with its NUL into a buffer of *lpcch characters; *lpcch becomes its length without the NUL.
void copyName(const std::string& name, LPSTR lpName, LPDWORD lpcch) {
    std::memcpy(lpName, name.c_str(), name.size() + 1);
    *lpcch = static_cast<DWORD>(name.size());
}

FILETIME fileTime(std::int64_t count) {
    const auto bits = static_cast<std::uint64_t>(count);
    return {static_cast<DWORD>(bits & 0xFFFFFFFF), static_cast<DWORD>(bits >> 32)};
}

// Keys have no class here: an empty one, if asked for.
bool classFits(LPSTR lpClass, LPDWORD lpcchClass) {
    return !lpClass || !lpcchClass || *lpcchClass > 0;
}

void deliverClass(LPSTR lpClass, LPDWORD lpcchClass) {
    if (!lpcchClass)
        return;
    if (lpClass)
        lpClass[0] = '\0';
    *lpcchClass = 0;
}

LONG valueAt(std::int64_t key, DWORD index, ValueState& item) {
    if (key == kAccountsKeyId)
        return accountAt(index, item);
    LONG status = ERROR_SUCCESS;
    const Node* node = nodeOf(key, status);
    if (!node)
        return status;
    if (index >= node->key.values.size())
        return ERROR_NO_MORE_ITEMS;
    item = node->key.values[index];
    return ERROR_SUCCESS;
}

LONG enumKey(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved, LPSTR lpClass,
             LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
    if (lpReserved || !lpName || !lpcchName)
        return ERROR_INVALID_PARAMETER;
    OpenKey key{};
    if (const LONG status = keyOfHandle(hKey, KEY_ENUMERATE_SUB_KEYS, key))
        return status;
    if (key.id == kAccountsKeyId)
        return ERROR_NO_MORE_ITEMS;
    LONG status = ERROR_SUCCESS;
    const Node* parent = nodeOf(key.id, status);
    if (!parent)
        return status;
    const Node* child = Store::instance().image().childAt(*parent, dwIndex);
    if (!child)
        return ERROR_NO_MORE_ITEMS;
    if (lpftLastWriteTime)
        *lpftLastWriteTime = fileTime(child->key.written);
    if (child->key.name.size() >= *lpcchName || !classFits(lpClass, lpcchClass))
        return ERROR_MORE_DATA;
    copyName(child->key.name, lpName, lpcchName);
    deliverClass(lpClass, lpcchClass);
    return ERROR_SUCCESS;
}

// Nothing is copied unless name and data both fit; the data size is told either way.
LONG enumValue(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
               LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    if (lpReserved || !lpValueName || !lpcchValueName || (lpData && !lpcbData))
        return ERROR_INVALID_PARAMETER;
    OpenKey key{};
    if (const LONG status = keyOfHandle(hKey, KEY_QUERY_VALUE, key))
        return status;
    ValueState item;
    if (const LONG status = valueAt(key.id, dwIndex, item))
        return status;
    if (lpType)
        *lpType = item.type;
    const auto size = static_cast<DWORD>(item.data.size());
    const bool fits = item.name.size() < *lpcchValueName && (!lpData || *lpcbData >= size);
    if (lpcbData)
        *lpcbData = size;
    if (!fits)
        return ERROR_MORE_DATA;
    copyName(item.name, lpValueName, lpcchValueName);
    if (lpData)
        std::memcpy(lpData, item.data.data(), size);
    return ERROR_SUCCESS;
}

} // namespace

LONG RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                   LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
    return guarded([&] {
        return enumKey(hKey, dwIndex, lpName, lpcchName, lpReserved, lpClass, lpcchClass, lpftLastWriteTime);
    });
}

LONG RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName, LPDWORD lpReserved,
                   LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
    return guarded([&] {
        return enumValue(hKey, dwIndex, lpValueName, lpcchValueName, lpReserved, lpType, lpData, lpcbData);
    });
}
