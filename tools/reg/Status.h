// Sentences for the registry's status codes, with the store's own explanation (naming its file)
// where the store is the cause.
#pragma once

#include "platform/win32/types.h"

#include <string>

std::string DescribeStatus(LONG status);
