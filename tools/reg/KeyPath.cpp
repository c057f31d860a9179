#include "tools/reg/KeyPath.h"

#include "tools/reg/TextUtil.h"

#include <algorithm>
#include <array>

namespace {

struct CRootName {
    const char* pszShort;
    const char* pszFull;
    HKEY hRoot;
};

// Roots that exist on Windows but that this store doesn't keep, so that the message can say so.
constexpr std::array<const char*, 6> kForeignRoots = {"HKCU", "HKEY_CURRENT_USER",  "HKU", "HKEY_USERS",
                                                      "HKCC", "HKEY_CURRENT_CONFIG"};

bool FindRoot(std::string_view name, HKEY& hRoot, std::string& strFull) {
    const std::array<CRootName, 2> roots = {{{"HKCR", "HKEY_CLASSES_ROOT", HKEY_CLASSES_ROOT},
                                             {"HKLM", "HKEY_LOCAL_MACHINE", HKEY_LOCAL_MACHINE}}};
    for (const CRootName& root : roots) {
        if (EqualsNoCase(name, root.pszShort) || EqualsNoCase(name, root.pszFull)) {
            hRoot = root.hRoot;
            strFull = root.pszFull;
            return true;
        }
    }
    return false;
}

std::string RootError(std::string_view name) {
    for (const char* pszForeign : kForeignRoots) {
        if (EqualsNoCase(name, pszForeign))
            return "Invalid key name: " + std::string(name) +
                   " is not kept in this store (only HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE).";
    }
    return "Invalid key name: \"" + std::string(name) +
           "\" is not a root key (use HKCR, HKLM, HKEY_CLASSES_ROOT or HKEY_LOCAL_MACHINE).";
}

bool HasEmptyPart(std::string_view subKey) {
    if (subKey.empty() || subKey.front() == '\\' || subKey.back() == '\\')
        return true;
    return subKey.find("\\\\") != std::string_view::npos;
}

} // namespace

std::string CKeyPath::FullPath() const {
    return IsRoot() ? strRootName : strRootName + "\\" + strSubKey;
}

bool ParseKeyPath(std::string_view text, CKeyPath& path, std::string& strError) {
    const std::size_t slash = text.find('\\');
    const std::string_view rootName = text.substr(0, slash);
    if (!FindRoot(rootName, path.hRoot, path.strRootName)) {
        strError = text.empty() ? "Invalid key name: the key is empty." : RootError(rootName);
        return false;
    }
    if (slash == std::string_view::npos) {
        path.strSubKey.clear();
        return true;
    }
    std::string_view subKey = text.substr(slash + 1);
    if (subKey.size() > 1 && subKey.back() == '\\')
        subKey.remove_suffix(1);
    if (HasEmptyPart(subKey)) {
        strError = "Invalid key name: \"" + std::string(text) + "\" has an empty part between backslashes.";
        return false;
    }
    const std::size_t depth = static_cast<std::size_t>(std::count(subKey.begin(), subKey.end(), '\\')) + 1;
    if (depth > kMaxKeyDepth) {
        strError = "Invalid key name: the key lies " + std::to_string(depth) + " levels below its root; the "
                   "registry allows at most " + std::to_string(kMaxKeyDepth) + ".";
        return false;
    }
    path.strSubKey = subKey;
    return true;
}

bool CheckNewName(std::string_view name, const char* pszWhat, std::string& strError) {
    if (name.find_first_of("\r\n") == std::string_view::npos)
        return true;
    strError = std::string("The ") + pszWhat + " name holds a line break (CR or LF), which a .reg file cannot "
               "carry; such names are not written.";
    return false;
}
