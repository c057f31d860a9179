// Test-only ways to make the store fail where real files and disks rarely do on demand: at a chosen
// database operation, with a file the user may not write, or with a lock that is never released in
// time; and a look at what a commit wrote. Nothing in the program calls these; without them the store
// behaves normally.
#pragma once

#include "platform/win32/types.h"

#include <cstdint>

namespace vexor::registry::testing {

// Every statement the store runs against its database (reads and writes alike, begin and commit
// included; rolling back is not counted), every change a write call makes inside a transaction, and
// the step of a commit that takes the transaction's difference, since the process started. On Windows:
// every change made to the registry (win32/fault_injection.cpp).
std::uint64_t operationCount();

// The k-th operation from now (1 = the next one) does not run and fails with `status` instead, as if
// the database had reported that failure. Fires once.
void failAtOperation(std::uint64_t k, LONG status);

// The process ends with _exit(exitCode) just before the k-th operation from now, as a crash or a
// power cut at that point would end it.
void exitAtOperation(std::uint64_t k, int exitCode = 77);

// Forgets a pending failAtOperation or exitAtOperation.
void clearFaults();

// Treats the store file (or, while it does not exist, its folder) as one this user may not write, as
// a file of mode 0444 is for anyone but root. Takes effect when the store is next opened. On Windows
// the keys refuse every change and every opening for one, at once, as for a user without that right.
void pretendStoreNotWritable(bool notWritable);

// The rows the last commit of this process wrote to the file (inserted, changed or deleted): a
// transaction writes only what differs from the store, so one that changed nothing writes none.
std::uint64_t rowsWrittenByLastCommit();

// How long a write waits for another process's lock before it fails with ERROR_BUSY (5000 ms unless
// changed). Takes effect when the store is next opened.
void setBusyTimeout(int milliseconds);

} // namespace vexor::registry::testing
