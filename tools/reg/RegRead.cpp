#include "tools/reg/RegRead.h"

#include "tools/reg/KeyHandle.h"

namespace {

constexpr DWORD kFirstNameSize = 256;
// Far above any name the registry allows (16,383 characters); a registry that keeps asking for more
// is answered with its own status rather than with all of memory.
constexpr std::size_t kMaxNameSize = 1 << 20;

// Enumerated names can be longer than the first guess; ERROR_MORE_DATA asks for a bigger buffer.
template <typename EnumCall> LONG EnumName(EnumCall call, std::string& strName) {
    std::string buffer(kFirstNameSize, '\0');
    for (;;) {
        DWORD cchName = static_cast<DWORD>(buffer.size());
        const LONG status = call(buffer.data(), &cchName);
        if (status == ERROR_SUCCESS) {
            strName.assign(buffer.data(), cchName);
            return status;
        }
        if (status != ERROR_MORE_DATA || buffer.size() >= kMaxNameSize)
            return status;
        buffer.resize(buffer.size() * 2);
    }
}

LONG ReadData(HKEY hKey, const std::string& strName, DWORD& dwType, std::string& data) {
    for (;;) {
        DWORD cbData = 0;
        LONG status = RegQueryValueExA(hKey, strName.c_str(), nullptr, &dwType, nullptr, &cbData);
        if (status != ERROR_SUCCESS)
            return status;
        data.assign(cbData, '\0');
        status = RegQueryValueExA(hKey, strName.c_str(), nullptr, &dwType,
                                  reinterpret_cast<LPBYTE>(data.data()), &cbData);
        if (status == ERROR_SUCCESS)
            data.resize(cbData);
        if (status != ERROR_MORE_DATA)
            return status; // it grew in between: ask again
    }
}

CKeyPath ChildPath(const CKeyPath& parent, const std::string& strName) {
    CKeyPath child = parent;
    child.strSubKey = parent.IsRoot() ? strName : parent.strSubKey + "\\" + strName;
    return child;
}

} // namespace

LONG ReadValue(HKEY hKey, const std::string& strName, CRegFileValue& value) {
    value.strName = strName;
    return ReadData(hKey, strName, value.dwType, value.data);
}

LONG ReadValues(HKEY hKey, std::vector<CRegFileValue>& values) {
    values.clear();
    for (DWORD dwIndex = 0;; ++dwIndex) {
        std::string strName;
        LONG status = EnumName(
            [&](LPSTR pszName, LPDWORD pcchName) {
                return RegEnumValueA(hKey, dwIndex, pszName, pcchName, nullptr, nullptr, nullptr, nullptr);
            },
            strName);
        if (status == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (status == ERROR_SUCCESS)
            status = ReadValue(hKey, strName, values.emplace_back());
        if (status != ERROR_SUCCESS)
            return status;
    }
}

LONG ReadSubKeyNames(HKEY hKey, std::vector<std::string>& names) {
    names.clear();
    for (DWORD dwIndex = 0;; ++dwIndex) {
        std::string strName;
        const LONG status = EnumName(
            [&](LPSTR pszName, LPDWORD pcchName) {
                return RegEnumKeyExA(hKey, dwIndex, pszName, pcchName, nullptr, nullptr, nullptr, nullptr);
            },
            strName);
        if (status == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (status != ERROR_SUCCESS)
            return status;
        names.push_back(std::move(strName));
    }
}

// Depth first with an explicit stack, so that a very deep tree can't exhaust the call stack.
LONG ListTree(const CKeyPath& top, std::vector<CKeyPath>& paths) {
    paths.clear();
    std::vector<CKeyPath> pending = {top};
    while (!pending.empty()) {
        paths.push_back(std::move(pending.back()));
        pending.pop_back();
        CKeyHandle key;
        std::vector<std::string> names;
        LONG status = key.Open(paths.back(), KEY_READ);
        if (status == ERROR_SUCCESS)
            status = ReadSubKeyNames(key.Get(), names);
        if (status != ERROR_SUCCESS)
            return status;
        for (auto it = names.rbegin(); it != names.rend(); ++it)
            pending.push_back(ChildPath(paths.back(), *it));
    }
    return ERROR_SUCCESS;
}

LONG ReadTree(const CKeyPath& top, std::vector<CRegFileKey>& keys) {
    std::vector<CKeyPath> paths;
    LONG status = ListTree(top, paths);
    keys.clear();
    for (std::size_t i = 0; status == ERROR_SUCCESS && i < paths.size(); ++i) {
        CKeyHandle key;
        CRegFileKey& entry = keys.emplace_back();
        entry.strPath = paths[i].FullPath();
        status = key.Open(paths[i], KEY_READ);
        if (status == ERROR_SUCCESS)
            status = ReadValues(key.Get(), entry.values);
    }
    return status;
}
