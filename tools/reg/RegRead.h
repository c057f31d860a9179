// Reading keys and values through the Win32 calls, growing buffers as the registry asks.
#pragma once

#include "tools/reg/KeyPath.h"
#include "tools/reg/RegFile.h"

#include "platform/registry/registry.h"

#include <string>
#include <vector>

// One value by name ("" is the unnamed value); ERROR_FILE_NOT_FOUND when it is not set.
LONG ReadValue(HKEY hKey, const std::string& strName, CRegFileValue& value);

// Every value in the registry's enumeration order (creation order).
LONG ReadValues(HKEY hKey, std::vector<CRegFileValue>& values);

// The names of the direct subkeys in the registry's enumeration order.
LONG ReadSubKeyNames(HKEY hKey, std::vector<std::string>& names);

// The key and every key below it with their values, parents before children and siblings in
// enumeration order, paths spelled in full ("HKEY_CLASSES_ROOT\..."). Each key is opened below its
// parent's handle, so that the work grows with the size of the tree, not with its size times its depth.
LONG ReadTree(const CKeyPath& top, std::vector<CRegFileKey>& keys);
