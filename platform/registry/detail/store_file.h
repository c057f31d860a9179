// The store file on disk, before SQLite looks at it: whether it is there, whether it can be a store at
// all, whether this user may write it, and how a new one comes into being.
#pragma once

#include "platform/win32/types.h"

#include <string>

namespace vexor::registry::detail {

bool fileExists(const std::string& path);

// ERROR_FILE_NOT_FOUND when there is no file. ERROR_ACCESS_DENIED when it can't be read, or when
// another user could have planted or changed it: a symbolic link another user made, an owner other
// than this user or root, a file others may write, or a -wal or -shm file beside it that is a link,
// has another owner than the store or may be written by others. ERROR_BADDB when it can't be an
// SQLite database (a folder, too short, another format). `reason` names the file and says why.
// `target` is the file itself: the path, or where the link at the path leads.
LONG inspectStoreFile(const std::string& path, std::string& reason, std::string& target);

// How a user who may not write the store opens it. Their own file as usual: SQLite may create the
// -wal and -shm files, which are then the owner's. Another user's file only through the -wal and
// -shm files its owner's writes leave beside it, which SQLite must then open read-only and
// never create: files of the wrong owner would make the owner's next write refuse the store.
enum class ReadOnlyOpen { Plain, SharedLog, Impossible };
ReadOnlyOpen readOnlyOpen(const std::string& target);

// The name SQLite opens for a SharedLog reader: a URI that keeps it from creating the -shm file.
std::string sharedLogUri(const std::string& target);

bool userMayWrite(const std::string& path);

// Creates the folder and a complete, empty store at `path`: it is built under a temporary name and
// linked into place, so no other process ever sees half a store, and a store that another process
// created first is kept. `reason` says why when it fails. Both are the user's alone (0700, 0600),
// except the machine-wide store: every user's IDE reads it, so it is made readable by all (0644).
LONG createStoreFile(const std::string& path, std::string& reason);

} // namespace vexor::registry::detail
