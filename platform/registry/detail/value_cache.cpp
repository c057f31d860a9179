#include "platform/registry/detail/value_cache.h"

#include "platform/registry/detail/store_state.h"

namespace vexor::registry::detail {

namespace {

struct Cache {
    std::uint64_t epoch = 0;
    std::uint64_t ownWrites = 0;
    std::int64_t key = 0;
    bool valueByValue = false;
    std::vector<CachedValue> values;
};

Cache g_cache;

bool isCurrent(const Store& store) {
    return store.viewPinned() && g_cache.epoch == store.viewEpoch() && g_cache.ownWrites == store.ownWrites();
}

void remember(std::int64_t key, bool valueByValue, std::vector<CachedValue> values) {
    const Store& store = Store::instance();
    if (store.viewPinned())
        g_cache = {store.viewEpoch(), store.ownWrites(), key, valueByValue, std::move(values)};
}

} // namespace

CachedValues cachedValuesOf(std::int64_t key, const std::vector<CachedValue>*& values) {
    values = nullptr;
    if (!isCurrent(Store::instance()) || g_cache.key != key)
        return CachedValues::Unknown;
    if (g_cache.valueByValue)
        return CachedValues::ValueByValue;
    values = &g_cache.values;
    return CachedValues::Complete;
}

void cacheValuesOf(std::int64_t key, std::vector<CachedValue> values) {
    remember(key, false, std::move(values));
}

void cacheValueByValue(std::int64_t key) {
    remember(key, true, {});
}

} // namespace vexor::registry::detail
