// Finding keys by path in the image, and whether a key may be opened with the rights asked for.
#pragma once

#include "platform/registry/detail/handles.h"
#include "platform/registry/detail/image.h"
#include "platform/registry/detail/names.h"
#include "platform/win32/types.h"

#include <cstdint>
#include <vector>

namespace vexor::registry::detail {

// How far `path` exists below `start`: the deepest existing key, and how many components led there.
struct Walk {
    std::int64_t id;
    bool denyFull; // refuses to be opened for writing, as a key of another owner would
    std::size_t found;
};

// ERROR_KEY_DELETED when `start` itself is gone. The accounts key ends a walk that reaches it.
LONG walkPath(Image& image, std::int64_t start, const std::vector<Name>& path, Walk& walk);

// Asking to write is refused (ERROR_ACCESS_DENIED) on a key marked as refusing full access and on a
// store file this user may not write. The accounts key opens with any rights: it is not in the file,
// and it refuses the changes themselves.
LONG checkOpenAccess(const Walk& key, REGSAM desired);

// The key behind a handle, when the handle is valid, the store can be read and the handle was opened
// with the `needed` rights (ERROR_ACCESS_DENIED otherwise).
LONG keyOfHandle(HKEY handle, REGSAM needed, OpenKey& key);

// The key a handle names, in the image; nullptr (with ERROR_KEY_DELETED) when it is gone.
Node* nodeOf(std::int64_t id, LONG& status);

bool isRootOrAccountsKey(std::int64_t id);

} // namespace vexor::registry::detail
