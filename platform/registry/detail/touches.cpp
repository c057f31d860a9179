#include "platform/registry/detail/touches.h"

#include "platform/registry/detail/key_cache.h"
#include "platform/registry/detail/store_state.h"

#include <unordered_map>

namespace vexor::registry::detail {

namespace {
std::unordered_map<std::int64_t, std::int64_t> g_deferred; // key id -> time of its latest change
} // namespace

bool deferTouch(std::int64_t id, std::int64_t time) {
    if (!isKnownKey(id))
        return false;
    g_deferred[id] = time;
    return true;
}

void forgetTouch(std::int64_t id) {
    g_deferred.erase(id);
}

LONG writeDeferredTouches() {
    LONG status = ERROR_SUCCESS;
    for (const auto& [id, time] : g_deferred) {
        status = Query(db(), "UPDATE keys SET written = ?2 WHERE id = ?1").bind(id).bind(time).run();
        if (status != ERROR_SUCCESS)
            break;
    }
    g_deferred.clear();
    return status;
}

void dropDeferredTouches() {
    g_deferred.clear();
}

} // namespace vexor::registry::detail
