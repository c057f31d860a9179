// What a Transaction does on Windows, where the registry has no transactions of its own (Wine lacks
// Windows' transacted registry). New and changed keys and values are written at once; deletions wait
// for the commit and come last, each removing only what was not written again after it. A save that
// deletes the account list and writes it anew therefore never leaves an account missing when it is
// killed part-way: the old keys are still there until every new one is. A failed write or an
// abandoned inner scope drops the deletions; what was written stays (there is no undo).
//
// Keys are told apart by their path from the root, upper-cased as the registry compares them; the
// calls keep each handle's path for that.
#pragma once

#include "platform/win32/types.h"

#include <optional>

namespace vexor::registry::win32 {

// Handles the calls hand out, with the path they name; forgotten when closed.
void rememberHandle(HKEY key, HKEY parent, const wchar_t* subKey);
void forgetHandle(HKEY key);

bool inTransaction();
// Called just before each change the calls make to the registry, the test hooks' crash and failure
// point: ERROR_SUCCESS, or the status the change fails with instead of being made.
LONG beforeChange();
// ERROR_ACCESS_DENIED when the test hooks make the keys refuse this process any change and `access`
// asks for one; else ERROR_SUCCESS.
LONG refuseWriteAccess(REGSAM access);
// A write made inside a transaction (the key, and the value when there is one), with its status.
void noteWrite(LONG status, HKEY key, const wchar_t* subKey, const wchar_t* valueName);
// A deletion inside a transaction: ERROR_SUCCESS when it is kept for the commit, or the status to give
// when the key or value is not there; nullopt when it is to be made at once (no transaction, or a
// handle whose path is unknown).
std::optional<LONG> deferDeleteKey(HKEY key, const wchar_t* subKey);
std::optional<LONG> deferDeleteValue(HKEY key, const wchar_t* valueName);

} // namespace vexor::registry::win32
