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

// As on Windows, a key lies at most 512 levels below its root.
constexpr std::size_t kMaxKeyDepth = 512;

// One trailing backslash is forgiven ("HKCR\CLSID\"); an empty path part, a leading backslash, more
// than kMaxKeyDepth levels or a root this store doesn't keep is refused with a sentence saying why.
bool ParseKeyPath(std::string_view text, CKeyPath& path, std::string& strError);

// The rule for every name that add and import write, keys and values alike: no line break (CR or
// LF), so that whatever they write, export can write to a .reg file again. Deleting is not bound by
// it, so that such a name, written by another program, can still be removed. pszWhat is "key" or
// "value" for the sentence.
bool CheckNewName(std::string_view name, const char* pszWhat, std::string& strError);
