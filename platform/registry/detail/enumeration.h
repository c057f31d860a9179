// Enumerating a key's subkeys (ordered by upper-cased name, as Windows hives are) and values (in
// creation order) by index. Callers open the key, fetch one index and close it again for every item,
// so the store remembers where the last fetch ended: fetching index i + 1 after i is one indexed seek,
// not a walk over i items, and subkeys come a batch at a time. Any change (a write of this process, a
// commit of another one, a new connection) makes it start over.
#pragma once

#include "platform/registry/detail/keys.h"
#include "platform/win32/types.h"

#include <cstdint>
#include <string>

namespace vexor::registry::detail {

struct SubkeyItem {
    std::string name;
    std::string folded;
    std::int64_t written = 0;
    std::int64_t id = 0;
    bool denyFull = false;
};

struct ValueItem {
    std::string name;
    DWORD type = 0;
    std::string data;
    std::int64_t seq = 0;
};

// ERROR_NO_MORE_ITEMS past the end; ERROR_KEY_DELETED when the key is gone.
LONG subkeyAt(std::int64_t key, DWORD index, SubkeyItem& item);
LONG valueAt(std::int64_t key, DWORD index, ValueItem& item);

// Callers open each subkey they enumerate: while the view is pinned (see Store::viewPinned), a subkey
// of the batch fetched last is found there, without a statement. False when it isn't there.
bool findEnumeratedSubkey(std::int64_t parent, const std::string& folded, KeyRow& key);

// Forgets the remembered positions (the store was closed).
void forgetEnumerationCursor();

} // namespace vexor::registry::detail
