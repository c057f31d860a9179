// Sentences for the registry's status codes, with the store's own explanation (naming its file)
// where the store is the cause.
#pragma once

#include "platform/win32/types.h"

#include <string>

std::string DescribeStatus(LONG status);

// "Cannot <action>: <sentence>": every failure names what was being done, to which key or file, and
// why. strAction is shown escaped (see EscapeForDisplay), as names may hold anything.
std::string DescribeFailure(const std::string& strAction, LONG status);
