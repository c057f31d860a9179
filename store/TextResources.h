// Texts from the program's string table.
#pragma once

#include "platform/win32/types.h"

#include <string>

// The entry nID of the string table; "" when the table has no such entry.
std::string LoadText(UINT nID, const char* pszFile, int nLine);

// The entry nID used as a format with one text argument: each "%s" stands for strArgument and "%%"
// for "%". The argument is only ever inserted, never read as a format, so a "%" in a user name stays
// as it is.
std::string FormatText(UINT nID, const std::string& strArgument, const char* pszFile, int nLine);
