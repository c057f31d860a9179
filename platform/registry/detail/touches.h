// The last-write times of keys changed inside a pinned view (see Store::viewPinned). A save sets each
// account's four values one call at a time; writing the key's time with every one of them would add
// a statement to each, so the time of the latest change is kept here and written once per key: before
// anything reads the times, and before the commit. A rollback forgets them with everything else.
#pragma once

#include "platform/win32/types.h"

#include <cstdint>

namespace vexor::registry::detail {

// Records that the key changed at `time`, when it is known to exist in the current view; false when
// the time has to be written now.
bool deferTouch(std::int64_t id, std::int64_t time);

// The key's time is being written now: a deferred, older one must not overwrite it later.
void forgetTouch(std::int64_t id);

// Writes the deferred times and forgets them; a key deleted since is no failure.
LONG writeDeferredTouches();

void dropDeferredTouches();

} // namespace vexor::registry::detail
