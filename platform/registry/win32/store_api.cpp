// The store extras on Windows. The registry there is the system's: it is always there, so checking it
// means reaching the keys the program keeps, and ReadScope has nothing to share (each read asks the
// registry). Transactions: journal.h.
#include "platform/registry/store.h"

#include "platform/registry/registry.h"
#include "platform/win32/text.h"

#include <string>

namespace vexor::registry {

namespace {

constexpr const char* kHive = "HKEY_CLASSES_ROOT";

std::string g_lastError;

} // namespace

std::string storePath() {
    return kHive;
}

// The registry is reachable when the program's keys can be opened for reading; the classes root
// itself always opens, so the CLSID key below it is what tells.
LONG checkStore() {
    HKEY key = nullptr;
    const LONG status = RegOpenKeyExW(HKEY_CLASSES_ROOT, L"CLSID", 0, KEY_READ, &key);
    if (status == ERROR_SUCCESS) {
        RegCloseKey(key);
        g_lastError.clear();
        return ERROR_SUCCESS;
    }
    g_lastError = std::string("The registry key ") + kHive + "\\CLSID can't be read: " + vexor::win32::systemMessage(static_cast<unsigned long>(status));
    return status;
}

std::string lastStoreError() {
    return g_lastError;
}

void closeStore() {
    g_lastError.clear();
}

ReadScope::ReadScope() = default;
ReadScope::~ReadScope() = default;

// Windows compares key names as it upper-cases them: character by character in UTF-16.
bool sameKeyName(const std::string& a, const std::string& b) {
    const std::optional<std::wstring> left = vexor::win32::fromUtf8(a);
    const std::optional<std::wstring> right = vexor::win32::fromUtf8(b);
    if (!left || !right)
        return a == b;
    return CompareStringOrdinal(left->c_str(), static_cast<int>(left->size()), right->c_str(),
                                static_cast<int>(right->size()), TRUE) == CSTR_EQUAL;
}

bool isKeyName(const std::string& name) {
    const std::optional<std::wstring> wide = vexor::win32::fromUtf8(name);
    return wide && !wide->empty() && wide->size() <= 255 && wide->find_first_of(L"\\", 0) == std::wstring::npos &&
           wide->find(L'\0') == std::wstring::npos;
}

} // namespace vexor::registry
