// Why the registry did not do what the program asked, in the program's own words: the administrator
// reads it in a message box and must be able to act on it.
#pragma once

#include "platform/win32/types.h"

#include <string>

// TRUE when a failed registry call only found nothing there, or found a key it may not open with full
// access: the program counts both as "missing". Any other failure means the store did not answer.
BOOL IsMissingStatus(LONG status);

// A German sentence naming the cause of `status`, with the code for whoever looks further.
std::string DescribeStoreFailure(LONG status);
