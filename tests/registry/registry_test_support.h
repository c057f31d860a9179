// Small helpers over the Win32 registry calls, written so that they work the same against our store
// and against the real registry.
#pragma once

#include "platform/registry/registry.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

// A key handle that is closed when it goes; release() hands it to a test that closes it itself.
class Key {
  public:
    Key() = default;
    Key(Key&& other) noexcept : m_handle(other.release()) {}
    Key& operator=(Key&& other) noexcept {
        std::swap(m_handle, other.m_handle);
        return *this;
    }
    ~Key() {
        if (m_handle)
            RegCloseKey(m_handle);
    }
    operator HKEY() const { return m_handle; }
    HKEY* put() { return &m_handle; }
    HKEY release() { return std::exchange(m_handle, nullptr); }

  private:
    HKEY m_handle = nullptr;
};

// The status of creating (or opening) parent\path; the handle goes to *taken, or is closed again.
inline LONG createStatus(HKEY parent, const std::string& path, REGSAM access = KEY_ALL_ACCESS,
                         HKEY* taken = nullptr, DWORD* disposition = nullptr) {
    HKEY key = taken ? *taken : nullptr; // what the call leaves alone stays as it was
    const LONG status = RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, access,
                                        nullptr, &key, disposition);
    if (taken)
        *taken = key;
    else if (status == ERROR_SUCCESS)
        RegCloseKey(key);
    return status;
}

// The status of opening parent\path; the handle goes to *taken, or is closed again.
inline LONG openStatus(HKEY parent, const char* path, REGSAM access = KEY_READ, HKEY* taken = nullptr) {
    HKEY key = taken ? *taken : nullptr;
    const LONG status = RegOpenKeyExA(parent, path, 0, access, &key);
    if (taken)
        *taken = key;
    else if (status == ERROR_SUCCESS)
        RegCloseKey(key);
    return status;
}

// Creates (or opens) parent\path with full access; no handle (and a test failure) when that fails. A
// caller that only wants the key there lets the handle go at once.
inline Key createKey(HKEY parent, const std::string& path) {
    Key key;
    EXPECT_EQ(createStatus(parent, path, KEY_ALL_ACCESS, key.put()), ERROR_SUCCESS) << "creating " << path;
    return key;
}

// Opens parent\path; no handle (and a test failure) when that fails.
inline Key openKey(HKEY parent, const char* path, REGSAM access = KEY_ALL_ACCESS) {
    Key key;
    EXPECT_EQ(openStatus(parent, path, access, key.put()), ERROR_SUCCESS) << "opening " << path;
    return key;
}

inline bool keyExists(HKEY parent, const std::string& path) {
    return openStatus(parent, path.c_str()) == ERROR_SUCCESS;
}

// SHDeleteKeyA's answer in the type the other calls answer in.
inline LONG deleteTree(HKEY parent, const char* path) {
    return static_cast<LONG>(SHDeleteKeyA(parent, path));
}

inline LONG setBytes(HKEY key, const char* name, DWORD type, const std::string& bytes) {
    return RegSetValueExA(key, name, 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                          static_cast<DWORD>(bytes.size()));
}

// A text as the program stores it: up to its first NUL, and that NUL.
inline std::string withNul(const std::string& text) {
    return std::string(text.c_str(), text.size() + 1);
}

inline LONG setString(HKEY key, const char* name, const std::string& text) {
    return setBytes(key, name, REG_SZ, withNul(text));
}

// Creates parent\path and sets a string value in it, as the program stores its texts.
inline void writeString(HKEY parent, const std::string& path, const char* name, const std::string& text) {
    const Key key = createKey(parent, path);
    EXPECT_EQ(setString(key, name, text), ERROR_SUCCESS) << path << " " << name;
}

// Whether a value is there, asking only for its size.
inline LONG queryStatus(HKEY key, const char* name) {
    DWORD size = 0;
    return RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size);
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

// One step of an enumeration of subkeys (or of values) by index, with a name buffer of `room`
// characters, its NUL included; the name found goes to *name, and must have come NUL-terminated.
// (A flag, not a template over the two calls: on Windows they come from a DLL, and their addresses
// are no constants.)
inline LONG enumName(bool values, HKEY key, DWORD index, std::string* name, DWORD room) {
    std::string buffer(room, '#');
    DWORD size = room;
    const LONG status =
        values ? RegEnumValueA(key, index, buffer.data(), &size, nullptr, nullptr, nullptr, nullptr)
               : RegEnumKeyExA(key, index, buffer.data(), &size, nullptr, nullptr, nullptr, nullptr);
    if (status == ERROR_SUCCESS) {
        EXPECT_EQ(buffer.c_str()[size], '\0');
        if (name)
            name->assign(buffer, 0, size);
    }
    return status;
}

inline LONG enumKey(HKEY key, DWORD index, std::string* name = nullptr, DWORD room = 256) {
    return enumName(false, key, index, name, room);
}

inline LONG enumValue(HKEY key, DWORD index, std::string* name = nullptr, DWORD room = 16384) {
    return enumName(true, key, index, name, room);
}

inline std::vector<std::string> allNames(bool values, HKEY key) {
    std::vector<std::string> names;
    std::string name;
    LONG status;
    while ((status = enumName(values, key, static_cast<DWORD>(names.size()), &name, values ? 16384 : 256)) ==
           ERROR_SUCCESS)
        names.push_back(name);
    EXPECT_EQ(status, ERROR_NO_MORE_ITEMS);
    return names;
}

inline std::vector<std::string> subkeyNames(HKEY key) {
    return allNames(false, key);
}

inline std::vector<std::string> valueNames(HKEY key) {
    return allNames(true, key);
}

// The calls the program makes on a handle, each with harmless arguments, so that a test can check
// what a whole row of them answers.
struct Call {
    static LONG Open(HKEY key) { return openStatus(key, "x"); }
    static LONG OpenSelf(HKEY key) { return openStatus(key, ""); }
    static LONG Create(HKEY key) { return createStatus(key, "x"); }
    static LONG Query(HKEY key) { return queryStatus(key, "v"); }
    static LONG Set(HKEY key) { return setString(key, "v", "set by a call"); }
    static LONG DeleteValue(HKEY key) { return RegDeleteValueA(key, "v"); }
    static LONG EnumKey(HKEY key) { return enumKey(key, 0); }
    static LONG EnumValue(HKEY key) { return enumValue(key, 0); }
    static LONG DeleteTree(HKEY key) { return deleteTree(key, "x"); }
};
using CallOn = LONG (*)(HKEY);

inline void expectCalls(HKEY key, std::initializer_list<CallOn> calls, LONG expected) {
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls.begin()[i](key), expected) << "call " << i << " of the row";
}

inline const std::initializer_list<CallOn> kEveryCallButClose = {
    Call::Open,        Call::OpenSelf, Call::Create,    Call::Query,     Call::Set,
    Call::DeleteValue, Call::EnumKey,  Call::EnumValue, Call::DeleteTree};
