#include "platform/registry/detail/key_cache.h"

#include "platform/registry/detail/store_state.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>

namespace vexor::registry::detail {

namespace {

// One parent's children by folded name; an empty optional is a child known not to exist. When
// `complete`, every child is listed, so a name that isn't is known not to exist too.
struct Children {
    bool complete = false;
    std::unordered_map<std::string, std::optional<KeyRow>> byName;
};

struct Cache {
    std::uint64_t epoch = 0;
    std::unordered_map<std::int64_t, Children> children;
    std::unordered_set<std::int64_t> known;
};

Cache g_cache;

// The cache of the current view, emptied first when the view has changed; nullptr when no view is
// pinned, since then another process may change any key between two statements.
Cache* currentCache() {
    const Store& store = Store::instance();
    if (!store.viewPinned())
        return nullptr;
    if (g_cache.epoch != store.viewEpoch()) {
        g_cache.children.clear();
        g_cache.known.clear();
        g_cache.epoch = store.viewEpoch();
    }
    return &g_cache;
}

} // namespace

CachedChild cachedChild(std::int64_t parent, const std::string& folded, KeyRow& child) {
    Cache* cache = currentCache();
    if (!cache)
        return CachedChild::Unknown;
    const auto siblings = cache->children.find(parent);
    if (siblings == cache->children.end())
        return CachedChild::Unknown;
    const auto found = siblings->second.byName.find(folded);
    if (found == siblings->second.byName.end())
        return siblings->second.complete ? CachedChild::Absent : CachedChild::Unknown;
    if (!found->second)
        return CachedChild::Absent;
    child = *found->second;
    return CachedChild::Present;
}

void cacheChild(std::int64_t parent, const std::string& folded, const KeyRow* child) {
    Cache* cache = currentCache();
    if (!cache)
        return;
    cache->children[parent].byName[folded] = child ? std::optional<KeyRow>(*child) : std::nullopt;
    if (child)
        cache->known.insert(child->id);
}

void cacheCreated(std::int64_t parent, const std::string& folded, const KeyRow& created) {
    cacheChild(parent, folded, &created);
    if (Cache* cache = currentCache())
        cache->children[created.id].complete = true;
}

bool isKnownKey(std::int64_t id) {
    const Cache* cache = currentCache();
    return cache && cache->known.count(id) > 0;
}

} // namespace vexor::registry::detail
