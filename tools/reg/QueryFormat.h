// reg.exe's query layout: a blank line, then for a key with values its full path, one line
// "    NAME    REG_TYPE    DATA" per value and a blank line; subkeys listed as full paths.
#pragma once

#include "tools/reg/RegFile.h"

#include <string>
#include <vector>

// REG_SZ, REG_DWORD ...; types without a name as 0x-hex.
std::string RegTypeName(DWORD dwType);

// Data as query shows them (control characters escaped, see EscapeForDisplay): text up to its NUL, REG_MULTI_SZ joined with \0, REG_DWORD as 0x-hex,
// everything else as upper-case hex bytes without blanks.
std::string FormatQueryData(DWORD dwType, const std::string& data);

// "    NAME    TYPE    DATA\n", "(Default)" for the unnamed value.
std::string FormatQueryValueLine(const CRegFileValue& value);

// query KEY: its values (when it has any), then its subkeys' full paths.
std::string FormatQueryKey(const CRegFileKey& key, const std::vector<std::string>& subKeyNames);

// query KEY /s: every key of the tree in order, the top one first; the top key appears only when it
// has values, every key below it always.
std::string FormatQueryTree(const std::vector<CRegFileKey>& keys);

// query KEY /v NAME (or /ve): each key with the one value found. With /s the search ends with
// "End of search: N match(es) found."
std::string FormatQueryMatches(const std::vector<CRegFileKey>& keys, bool bSearch);

// query KEY /ve for a key whose unnamed value is not set, as reg.exe reports it.
std::string FormatQueryUnsetDefault(const std::string& strPath);
