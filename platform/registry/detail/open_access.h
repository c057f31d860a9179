// Whether a key may be opened with the rights asked for.
#pragma once

#include "platform/registry/detail/handles.h"
#include "platform/registry/detail/keys.h"

namespace vexor::registry::detail {

// Asking to write is refused (ERROR_ACCESS_DENIED) on a key marked as refusing full access and on a
// store file this user may not write. The accounts key opens with any rights: it is not in the file,
// and it refuses the changes themselves.
LONG checkOpenAccess(const KeyRow& key, REGSAM desired);

// The key behind a handle, when the handle is valid, the store can be read and the handle was opened
// with the `needed` rights (ERROR_ACCESS_DENIED otherwise).
LONG keyOfHandle(HKEY handle, REGSAM needed, OpenKey& key);

} // namespace vexor::registry::detail
