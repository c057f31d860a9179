// Keys in the store: finding them by path, creating and deleting them, and their access marks. Every
// lookup is one indexed seek per path component.
#pragma once

#include "platform/registry/detail/names.h"
#include "platform/win32/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vexor::registry::detail {

struct KeyRow {
    std::int64_t id;
    bool denyFull; // refuses to be opened for writing, as a key of another owner would
};

// The key an open handle names; ERROR_KEY_DELETED when it no longer exists.
LONG keyById(std::int64_t id, KeyRow& key);

// How far `path` exists below `start`: the deepest existing key, and how many components led there.
struct Walk {
    KeyRow key;
    std::size_t found;
};
LONG walkPath(std::int64_t start, const std::vector<Name>& path, Walk& walk);

// Inside a write: creates the components of `path` that `walk` did not find.
LONG createRest(const Walk& walk, const std::vector<Name>& path, KeyRow& created);

// Inside a write: deletes the key and everything below it; ERROR_ACCESS_DENIED (and nothing deleted)
// when any of them refuses full access.
LONG deleteTree(std::int64_t id);

LONG markFullAccessDenied(std::int64_t id, bool denied);

// Inside a write: records that the key changed now; ERROR_KEY_DELETED when it no longer exists.
LONG touchKey(std::int64_t id);

// The upper-cased names from the root down to the key, and which root it is under.
LONG foldedPathOf(std::int64_t id, std::vector<std::string>& path, std::int64_t& root);

// The current time as a FILETIME count (100 ns since 1601), as keys record their last change.
std::int64_t fileTimeNow();

} // namespace vexor::registry::detail
