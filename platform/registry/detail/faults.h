// The store's side of the test hooks in fault_injection.h. Counting an operation costs one increment
// and one comparison; everything else happens only when a test has armed a fault.
#pragma once

#include "platform/win32/types.h"

#include <cstdint>

namespace vexor::registry::detail {

extern std::uint64_t g_operationCount;
extern std::uint64_t g_faultAtOperation; // never reached unless a fault is armed

// Called when g_operationCount reaches g_faultAtOperation: ends the process or returns the status the
// operation fails with.
LONG triggerFault();

// Counts one operation; ERROR_SUCCESS unless a test made this one fail.
inline LONG countOperation() {
    if (++g_operationCount != g_faultAtOperation)
        return ERROR_SUCCESS;
    return triggerFault();
}

bool storeDeclaredNotWritable();
int busyTimeoutMilliseconds();

} // namespace vexor::registry::detail
