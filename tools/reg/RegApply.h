// Carries out a parsed .reg file through the Win32 calls, in file order. The caller wraps it in one
// transaction, so that a failure part-way leaves the store as it was.
#pragma once

#include "tools/reg/RegFile.h"

#include "platform/win32/types.h"

#include <string>

struct CRegApplyError {
    int nLine = 0;
    std::string strWhat; // "cannot create the key HKEY_...", for the message
};

// Deleting a key or value that isn't there is no error, as in regedit.
LONG ApplyRegFile(const CRegFile& file, CRegApplyError& error);
