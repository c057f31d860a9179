// A key named the way administrators type it: a root (HKCR, HKLM or their full names, any case)
// and an optional path below it.
#pragma once

#include "platform/registry/registry.h"

#include <string>
#include <string_view>

struct CKeyPath {
    HKEY hRoot = nullptr;
    std::string strRootName; // always the full name, e.g. "HKEY_CLASSES_ROOT"
    std::string strSubKey;   // "" for the root itself

    std::string FullPath() const;
    bool IsRoot() const { return strSubKey.empty(); }
};

// One trailing backslash is forgiven ("HKCR\CLSID\"); an empty path part, a leading backslash or a
// root this store doesn't keep is refused with a sentence saying why.
bool ParseKeyPath(std::string_view text, CKeyPath& path, std::string& strError);
