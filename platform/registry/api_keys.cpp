// Opening, creating, closing and deleting keys.
#include "platform/registry/registry.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/handles.h"
#include "platform/registry/detail/keys.h"
#include "platform/registry/detail/store_state.h"

using namespace vexor::registry::detail;

namespace {

HandleTable& handles() {
    return HandleTable::instance();
}
Store& store() {
    return Store::instance();
}

LONG openKey(HKEY hKey, LPCSTR lpSubKey, REGSAM samDesired, PHKEY phkResult) {
    if (!phkResult)
        return ERROR_INVALID_PARAMETER;
    OpenKey base{};
    if (const LONG status = handles().find(hKey, base))
        return status;
    *phkResult = nullptr;
    const std::vector<Name>* components = nullptr;
    const LONG parsed = parseKeyPath(lpSubKey, components);
    const std::vector<Name>& path = *components;
    if (parsed != ERROR_SUCCESS) // an over-long name can't exist, so there is nothing to open
        return parsed == ERROR_INVALID_PARAMETER ? ERROR_FILE_NOT_FOUND : parsed;
    if (const LONG status = store().readyToRead())
        return status;
    if (path.empty() && isPredefinedRoot(hKey)) {
        *phkResult = hKey;
        return ERROR_SUCCESS;
    }
    Walk walk{};
    if (const LONG status = walkPath(store().image(), base.id, path, walk))
        return status;
    if (walk.found < path.size())
        return ERROR_FILE_NOT_FOUND;
    if (const LONG status = checkOpenAccess(walk, samDesired))
        return status;
    *phkResult = handles().add({walk.id, grantedRights(samDesired)});
    return ERROR_SUCCESS;
}

// Inside a write, where no other process can change the path under us any more.
LONG createMissingKeys(std::int64_t base, const std::vector<Name>& path, Walk& walk, bool& created) {
    WriteScope scope;
    if (scope.status() != ERROR_SUCCESS)
        return scope.status();
    Image& image = store().image();
    LONG status = walkPath(image, base, path, walk);
    if (status == ERROR_SUCCESS && walk.found < path.size() && (walk.id == kAccountsKeyId || walk.denyFull))
        status = ERROR_ACCESS_DENIED;
    created = status == ERROR_SUCCESS && walk.found < path.size();
    if (created) {
        Node* node = image.find(walk.id);
        for (std::size_t i = walk.found; i < path.size(); ++i)
            node = &image.createChild(*node, path[i]);
        walk = {node->key.id, false, path.size()};
    }
    return scope.finish(status);
}

LONG createKey(HKEY hKey, LPCSTR lpSubKey, REGSAM samDesired, PHKEY phkResult, LPDWORD lpdwDisposition) {
    if (!phkResult)
        return ERROR_BADKEY;
    OpenKey base{};
    if (const LONG status = handles().find(hKey, base))
        return status;
    *phkResult = nullptr;
    const std::vector<Name>* components = nullptr;
    if (const LONG status = parseKeyPath(lpSubKey, components))
        return status;
    const std::vector<Name>& path = *components;
    if (const LONG status = store().readyToRead())
        return status;
    Walk walk{};
    if (const LONG status = walkPath(store().image(), base.id, path, walk))
        return status;
    bool created = false;
    if (walk.found < path.size()) {
        if (walk.id == kAccountsKeyId || walk.denyFull)
            return ERROR_ACCESS_DENIED;
        if (const LONG status = createMissingKeys(base.id, path, walk, created))
            return status;
    }
    if (const LONG status = checkOpenAccess(walk, samDesired))
        return status;
    *phkResult = handles().add({walk.id, grantedRights(samDesired)});
    if (lpdwDisposition)
        *lpdwDisposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
    return ERROR_SUCCESS;
}

LONG deleteKey(HKEY hkey, LPCSTR pszSubKey) {
    if (!pszSubKey)
        return ERROR_INVALID_PARAMETER;
    OpenKey base{};
    if (const LONG status = handles().find(hkey, base))
        return status;
    const std::vector<Name>* components = nullptr;
    const LONG parsed = parseKeyPath(pszSubKey, components);
    const std::vector<Name>& path = *components;
    if (parsed != ERROR_SUCCESS)
        return parsed == ERROR_INVALID_PARAMETER ? ERROR_FILE_NOT_FOUND : parsed;
    if (const LONG status = store().readyToRead())
        return status;
    Walk walk{};
    if (const LONG status = walkPath(store().image(), base.id, path, walk))
        return status;
    if (walk.found < path.size())
        return ERROR_FILE_NOT_FOUND;
    if (isRootOrAccountsKey(walk.id))
        return ERROR_ACCESS_DENIED;
    WriteScope scope;
    if (scope.status() != ERROR_SUCCESS)
        return scope.status();
    Image& image = store().image();
    LONG status = walkPath(image, base.id, path, walk);
    if (status == ERROR_SUCCESS && walk.found < path.size())
        status = ERROR_FILE_NOT_FOUND;
    if (status == ERROR_SUCCESS && image.anyDenied(walk.id))
        status = ERROR_ACCESS_DENIED; // and nothing of the tree is deleted
    if (status == ERROR_SUCCESS)
        image.deleteTree(walk.id);
    return scope.finish(status);
}

} // namespace

LONG RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
    return guarded([&] { return openKey(hKey, lpSubKey, samDesired, phkResult); });
}

LONG RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired,
                     LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
    return writeOutcome(
        guarded([&] { return createKey(hKey, lpSubKey, samDesired, phkResult, lpdwDisposition); }));
}

LONG RegCloseKey(HKEY hKey) {
    return handles().remove(hKey);
}

DWORD SHDeleteKeyA(HKEY hkey, LPCSTR pszSubKey) {
    return static_cast<DWORD>(writeOutcome(guarded([&] { return deleteKey(hkey, pszSubKey); })));
}
