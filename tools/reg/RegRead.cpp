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

// One key of the walk: its handle (owned unless it is the top key), its subkeys and the next to visit.
struct CLevel {
    HKEY hKey = nullptr;
    bool bOwned = false;
    std::size_t nKey = 0; // its entry in the result
    std::vector<std::string> names;
    std::size_t nNext = 0;
};

} // namespace

LONG ReadValue(HKEY hKey, const std::string& strName, CRegFileValue& value) {
    value.strName = strName;
    return ReadData(hKey, strName, value.dwType, value.data);
}

// Name, type and data in one call per value; a buffer that is too small grows and the call repeats.
LONG ReadValues(HKEY hKey, std::vector<CRegFileValue>& values) {
    values.clear();
    std::string name(kFirstNameSize, '\0');
    std::string data(256, '\0');
    for (DWORD dwIndex = 0;;) {
        DWORD cchName = static_cast<DWORD>(name.size());
        DWORD cbData = static_cast<DWORD>(data.size());
        DWORD dwType = 0;
        const LONG status = RegEnumValueA(hKey, dwIndex, name.data(), &cchName, nullptr, &dwType,
                                          reinterpret_cast<LPBYTE>(data.data()), &cbData);
        if (status == ERROR_NO_MORE_ITEMS)
            return ERROR_SUCCESS;
        if (status == ERROR_MORE_DATA && cbData > data.size()) {
            data.resize(cbData);
            continue;
        }
        if (status == ERROR_MORE_DATA && name.size() < kMaxNameSize) {
            name.resize(name.size() * 2);
            continue;
        }
        if (status != ERROR_SUCCESS)
            return status;
        values.push_back({std::string(name.data(), cchName), false, dwType, std::string(data.data(), cbData), 0});
        ++dwIndex;
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

// Depth first with an explicit stack, so that a deep tree can't exhaust the call stack.
LONG ReadTree(const CKeyPath& top, std::vector<CRegFileKey>& keys) {
    keys.clear();
    std::vector<CLevel> stack;
    auto enter = [&](HKEY hKey, bool bOwned, std::string strPath) {
        stack.push_back({hKey, bOwned, keys.size(), {}, 0});
        keys.push_back({std::move(strPath), false, {}, 0});
        const LONG status = ReadValues(hKey, keys.back().values);
        return status != ERROR_SUCCESS ? status : ReadSubKeyNames(hKey, stack.back().names);
    };
    CKeyHandle topKey;
    LONG status = topKey.Open(top, KEY_READ);
    if (status == ERROR_SUCCESS)
        status = enter(topKey.Get(), false, top.FullPath());
    while (status == ERROR_SUCCESS && !stack.empty()) {
        CLevel& level = stack.back();
        if (level.nNext == level.names.size()) {
            if (level.bOwned)
                RegCloseKey(level.hKey);
            stack.pop_back();
            continue;
        }
        const std::string& strName = level.names[level.nNext++];
        HKEY hChild = nullptr;
        status = RegOpenKeyExA(level.hKey, strName.c_str(), 0, KEY_READ, &hChild);
        if (status == ERROR_SUCCESS)
            status = enter(hChild, true, keys[level.nKey].strPath + "\\" + strName);
    }
    for (const CLevel& level : stack) {
        if (level.bOwned)
            RegCloseKey(level.hKey);
    }
    return status;
}
