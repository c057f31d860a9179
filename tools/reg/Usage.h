// The help texts: the tool's overview and each operation's usage.
#pragma once

#include "tools/reg/Arguments.h"

#include <string>

// None gives the overview of all operations.
std::string UsageText(ERegOperation eOperation);
