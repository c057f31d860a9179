#include "platform/registry/detail/open_access.h"

#include "platform/registry/detail/access.h"
#include "platform/registry/detail/accounts.h"
#include "platform/registry/detail/store_state.h"

namespace vexor::registry::detail {

LONG checkOpenAccess(const KeyRow& key, REGSAM desired) {
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

} // namespace vexor::registry::detail
