// What walks through the key tree found while the view is pinned (see Store::viewPinned): a child's
// row, or that there is no such child. No other process can change the keys then, and the changes of
// this one are either told to the cache (a key created) or empty it (keys deleted or re-marked), so a
// path is looked up in SQLite once per view instead of on every open.
#pragma once

#include "platform/registry/detail/keys.h"

#include <cstdint>
#include <string>

namespace vexor::registry::detail {

enum class CachedChild { Unknown, Present, Absent };

CachedChild cachedChild(std::int64_t parent, const std::string& folded, KeyRow& child);

// Records what a lookup found; nullptr: there is no such child. Does nothing outside a pinned view.
void cacheChild(std::int64_t parent, const std::string& folded, const KeyRow* child);

// Records a key this process has just created: it exists, and has no children but those created
// after it, so looking for any other child needs no statement.
void cacheCreated(std::int64_t parent, const std::string& folded, const KeyRow& created);

// True when the key is known to exist in the current view.
bool isKnownKey(std::int64_t id);

} // namespace vexor::registry::detail
