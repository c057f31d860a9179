// The first failed write inside a Transaction is what its commit() reports; the calls that write tell
// the transaction each outcome here.
#pragma once

#include "platform/win32/types.h"

namespace vexor::registry::win32 {
void noteWrite(LONG status);
} // namespace vexor::registry::win32
