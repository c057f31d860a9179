#include "platform/registry/detail/keys.h"

#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/store_state.h"

namespace vexor::registry::detail {

LONG walkPath(Image& image, std::int64_t start, const std::vector<Name>& path, Walk& walk) {
    walk = {start, false, 0};
    if (start == kAccountsKeyId)
        return ERROR_SUCCESS; // nothing lives below it
    const Node* node = image.find(start);
    if (!node)
        return ERROR_KEY_DELETED;
    walk.denyFull = node->key.denyFull;
    if (const std::size_t accountsAt = accountsKeyOnPath(image, start, path); accountsAt != kNotOnPath) {
        walk = {kAccountsKeyId, false, accountsAt + 1};
        return ERROR_SUCCESS;
    }
    for (const Name& component : path) {
        const Node* child = image.child(*node, component.folded);
        if (!child)
            break;
        node = child;
        walk = {child->key.id, child->key.denyFull, walk.found + 1};
    }
    return ERROR_SUCCESS;
}

LONG checkOpenAccess(const Walk& key, REGSAM desired) {
    if (!requestsWrite(desired) || key.id == kAccountsKeyId)
        return ERROR_SUCCESS;
    if (key.denyFull)
        return ERROR_ACCESS_DENIED;
    Store& store = Store::instance();
    if (!store.writable())
        return store.fail(ERROR_ACCESS_DENIED, "can't be written by this user, so no key opens for writing");
    return ERROR_SUCCESS;
}

LONG keyOfHandle(HKEY handle, REGSAM needed, OpenKey& key) {
    if (const LONG status = HandleTable::instance().find(handle, key))
        return status;
    if (const LONG status = Store::instance().readyToRead())
        return status;
    return allows(key.access, needed) ? ERROR_SUCCESS : ERROR_ACCESS_DENIED;
}

Node* nodeOf(std::int64_t id, LONG& status) {
    Node* node = Store::instance().image().find(id);
    status = node ? ERROR_SUCCESS : ERROR_KEY_DELETED;
    return node;
}

bool isRootOrAccountsKey(std::int64_t id) {
    return id == kClassesRootId || id == kLocalMachineId || id == kAccountsKeyId;
}

} // namespace vexor::registry::detail
