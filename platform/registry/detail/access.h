// Access rights of key handles, in the Win32 sense.
#pragma once

#include "platform/win32/types.h"

namespace vexor::registry::detail {

// The rights a request for `desired` amounts to, with the generic rights spelled out.
REGSAM grantedRights(REGSAM desired);

// Whether the request asks to change the key or what is below it: refused on a key marked as refusing
// full access and on a store file the user may not write.
bool requestsWrite(REGSAM desired);

bool allows(REGSAM granted, REGSAM needed);

} // namespace vexor::registry::detail
