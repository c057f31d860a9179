// The bytes that "add ... /t TYPE /d DATA" stores, following reg.exe: text types get their NUL,
// REG_MULTI_SZ takes "\0" between its strings, REG_DWORD decimal or 0x-hex, REG_BINARY hex digits.
#pragma once

#include "platform/win32/types.h"

#include <string>
#include <string_view>

// REG_SZ, REG_EXPAND_SZ, REG_MULTI_SZ, REG_DWORD, REG_BINARY or REG_NONE, any case.
bool ParseTypeName(std::string_view name, DWORD& dwType);

// pData is null when /d was not given. On failure strError says what is wrong with the data.
bool MakeValueData(DWORD dwType, const std::string* pData, std::string& bytes, std::string& strError);
