// Small helpers over the Win32 registry calls, written so that they work the same against our store
// and against the real registry.
#pragma once

#include "platform/registry/registry.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace registry_test {

// Creates (or opens) parent\path with full access; nullptr (and a test failure) when that fails.
inline HKEY createKey(HKEY parent, const std::string& path) {
    HKEY key = nullptr;
    const LONG status = RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                        KEY_ALL_ACCESS, nullptr, &key, nullptr);
    EXPECT_EQ(status, ERROR_SUCCESS) << "creating " << path;
    return key;
}

inline bool keyExists(HKEY parent, const std::string& path) {
    HKEY key = nullptr;
    if (RegOpenKeyExA(parent, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

inline LONG setBytes(HKEY key, const char* name, DWORD type, const std::string& bytes) {
    return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
}

// A string value as the program writes one: its bytes and the terminating NUL.
inline LONG setString(HKEY key, const char* name, const std::string& text) {
    return setBytes(key, name, REG_SZ, std::string(text.c_str(), text.size() + 1));
}

// The stored bytes of a value, read in two steps as the program does; "" and the status on failure.
inline std::string readBytes(HKEY key, const char* name, DWORD* type = nullptr, LONG* status = nullptr) {
    DWORD size = 0;
    DWORD found = 0;
    LONG result = RegQueryValueExA(key, name, nullptr, &found, nullptr, &size);
    std::string data(size, '\0');
    if (result == ERROR_SUCCESS)
        result = RegQueryValueExA(key, name, nullptr, &found, reinterpret_cast<BYTE*>(data.data()), &size);
    if (type)
        *type = found;
    if (status)
        *status = result;
    return result == ERROR_SUCCESS ? data.substr(0, size) : std::string();
}

inline std::vector<std::string> subkeyNames(HKEY key) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD size = sizeof name;
        const LONG status = RegEnumKeyExA(key, index, name, &size, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) {
            EXPECT_EQ(status, ERROR_NO_MORE_ITEMS);
            return names;
        }
        names.emplace_back(name, size);
    }
}

inline std::vector<std::string> valueNames(HKEY key) {
    std::vector<std::string> names;
    for (DWORD index = 0;; ++index) {
        std::string name(16384, '\0');
        DWORD size = static_cast<DWORD>(name.size());
        const LONG status = RegEnumValueA(key, index, name.data(), &size, nullptr, nullptr, nullptr, nullptr);
        if (status != ERROR_SUCCESS) {
            EXPECT_EQ(status, ERROR_NO_MORE_ITEMS);
            return names;
        }
        names.push_back(name.substr(0, size));
    }
}

} // namespace registry_test
