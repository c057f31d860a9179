// The registry calls are called from code that raises no exceptions and expects none: running out of
// memory on a huge name or value becomes a status, as on Windows, instead of ending the program.
#pragma once

#include "platform/win32/types.h"

namespace vexor::registry::detail {

template <typename Call> LONG guarded(Call call) {
    try {
        return call();
    } catch (...) {
        return ERROR_NOT_ENOUGH_MEMORY;
    }
}

} // namespace vexor::registry::detail
