// Enumerating a key's subkeys (ordered by upper-cased name, as Windows hives are) and values (in
// creation order) by index. Callers open the key, fetch one index and close it again for every item,
// so the store remembers where the last fetch ended: fetching index i + 1 after i is one indexed seek,
// not a walk over i items. Any change (a write of this process, a commit of another one, a new
// connection) makes it start over.
#pragma once

#include "platform/win32/types.h"

#include <cstdint>
#include <string>

namespace vexor::registry::detail {

struct SubkeyItem {
    std::string name;
    std::string folded;
    std::int64_t written = 0;
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

// Forgets the remembered positions (the store was closed).
void forgetEnumerationCursor();

} // namespace vexor::registry::detail
