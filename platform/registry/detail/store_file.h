// The store file on disk, before SQLite looks at it: whether it is there, whether it can be a store at
// all, whether this user may write it, and how a new one comes into being.
#pragma once

#include "platform/win32/types.h"

#include <string>

namespace vexor::registry::detail {

bool fileExists(const std::string& path);

// ERROR_FILE_NOT_FOUND when there is no file; ERROR_ACCESS_DENIED when it can't be read; ERROR_BADDB
// when it can't be an SQLite database (a folder, too short, another format). `reason` says why.
LONG inspectStoreFile(const std::string& path, std::string& reason);

bool userMayWrite(const std::string& path);

// Creates the folder and a complete, empty store at `path`, atomically: it is built under a temporary
// name and linked into place, so no other process ever sees half a store, and a store that another
// process created first is kept. `reason` says why when it fails.
LONG createStoreFile(const std::string& path, std::string& reason);

} // namespace vexor::registry::detail
