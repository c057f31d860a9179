#include "platform/registry/win32/journal.h"

#include "platform/registry/store.h"

#include <shlwapi.h>

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace vexor::registry::win32 {

namespace {

struct Deletion {
    std::wstring path; // upper-cased, from the root
    std::optional<std::wstring> value; // upper-cased; none: the key with everything below
    long sequence;
};

struct Journal {
    int depth = 0;
    LONG firstFailure = ERROR_SUCCESS;
    bool abandoned = false;
    long sequence = 0;
    std::map<std::wstring, long> writtenKeys;                              // path -> last write
    std::map<std::pair<std::wstring, std::wstring>, long> writtenValues; // (path, name) -> last write
    std::vector<Deletion> deletions;
};

Journal g_journal;
std::map<HKEY, std::wstring> g_handles;

std::wstring upper(std::wstring text) {
    if (!text.empty())
        CharUpperBuffW(text.data(), static_cast<DWORD>(text.size()));
    return text;
}

std::optional<std::wstring> rootPath(HKEY key) {
    if (key == HKEY_CLASSES_ROOT)
        return L"HKEY_CLASSES_ROOT";
    if (key == HKEY_LOCAL_MACHINE)
        return L"HKEY_LOCAL_MACHINE";
    if (key == HKEY_CURRENT_USER)
        return L"HKEY_CURRENT_USER";
    const auto found = g_handles.find(key);
    if (found == g_handles.end())
        return std::nullopt;
    return found->second;
}

// The upper-cased path of key\subKey; nullopt for a handle the calls did not hand out.
std::optional<std::wstring> pathOf(HKEY key, const wchar_t* subKey) {
    std::optional<std::wstring> path = rootPath(key);
    if (!path)
        return std::nullopt;
    std::wstring below = subKey ? subKey : L"";
    while (!below.empty() && below.back() == L'\\')
        below.pop_back();
    if (!below.empty())
        *path += L"\\" + below;
    return upper(*path);
}

// Splits "ROOT\rest" into the predefined key and the rest.
HKEY rootKey(const std::wstring& path, std::wstring& rest) {
    const std::size_t slash = path.find(L'\\');
    const std::wstring root = path.substr(0, slash);
    rest = slash == std::wstring::npos ? L"" : path.substr(slash + 1);
    return root == L"HKEY_CLASSES_ROOT" ? HKEY_CLASSES_ROOT
           : root == L"HKEY_LOCAL_MACHINE" ? HKEY_LOCAL_MACHINE
                                           : HKEY_CURRENT_USER;
}

bool writtenAfter(const std::wstring& path, long sequence) {
    const auto found = g_journal.writtenKeys.find(path);
    return found != g_journal.writtenKeys.end() && found->second > sequence;
}

// Removes below and at `path` what was not written after `sequence`: keys no later write reached go
// whole; in the others, the values no later write set.
LONG sweep(const std::wstring& path, long sequence) {
    std::wstring rest;
    const HKEY root = rootKey(path, rest);
    if (!writtenAfter(path, sequence)) {
        if (const LONG refused = beforeChange())
            return refused;
        const DWORD status = SHDeleteKeyW(root, rest.c_str());
        return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : static_cast<LONG>(status);
    }
    HKEY key = nullptr;
    if (const LONG status = RegOpenKeyExW(root, rest.c_str(), 0, KEY_ALL_ACCESS, &key))
        return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
    std::vector<std::wstring> values, subkeys;
    wchar_t name[16384];
    for (DWORD index = 0;; ++index) {
        DWORD length = 16384;
        if (RegEnumValueW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        values.emplace_back(name, length);
    }
    for (DWORD index = 0;; ++index) {
        DWORD length = 256;
        if (RegEnumKeyExW(key, index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
            break;
        subkeys.emplace_back(name, length);
    }
    LONG status = ERROR_SUCCESS;
    for (const std::wstring& value : values) {
        const auto written = g_journal.writtenValues.find({path, upper(value)});
        if ((written == g_journal.writtenValues.end() || written->second <= sequence) && status == ERROR_SUCCESS) {
            status = beforeChange();
            if (status == ERROR_SUCCESS)
                status = RegDeleteValueW(key, value.c_str());
        }
    }
    RegCloseKey(key);
    for (const std::wstring& subkey : subkeys) {
        if (status == ERROR_SUCCESS)
            status = sweep(path + L"\\" + upper(subkey), sequence);
    }
    return status;
}

LONG applyDeletion(const Deletion& deletion) {
    if (!deletion.value)
        return sweep(deletion.path, deletion.sequence);
    const auto written = g_journal.writtenValues.find({deletion.path, *deletion.value});
    if (written != g_journal.writtenValues.end() && written->second > deletion.sequence)
        return ERROR_SUCCESS;
    std::wstring rest;
    HKEY key = nullptr;
    const HKEY root = rootKey(deletion.path, rest); // it fills rest: first, then rest.c_str()
    LONG status = RegOpenKeyExW(root, rest.c_str(), 0, KEY_SET_VALUE, &key);
    if (status == ERROR_SUCCESS) {
        status = beforeChange();
        if (status == ERROR_SUCCESS)
            status = RegDeleteValueW(key, deletion.value->c_str());
        RegCloseKey(key);
    }
    return status == ERROR_FILE_NOT_FOUND ? ERROR_SUCCESS : status;
}

} // namespace

void rememberHandle(HKEY key, HKEY parent, const wchar_t* subKey) {
    if (const std::optional<std::wstring> path = pathOf(parent, subKey))
        g_handles[key] = *path;
}

void forgetHandle(HKEY key) {
    g_handles.erase(key);
}

bool inTransaction() {
    return g_journal.depth > 0;
}

void noteWrite(LONG status, HKEY key, const wchar_t* subKey, const wchar_t* valueName) {
    if (!inTransaction())
        return;
    if (status != ERROR_SUCCESS) {
        if (g_journal.firstFailure == ERROR_SUCCESS)
            g_journal.firstFailure = status;
        return;
    }
    std::optional<std::wstring> path = pathOf(key, subKey);
    if (!path)
        return;
    const long sequence = ++g_journal.sequence;
    if (valueName)
        g_journal.writtenValues[{*path, upper(valueName)}] = sequence;
    // The key and every key above it are written: a deletion above keeps the way to them.
    for (std::wstring above = *path; !above.empty();) {
        g_journal.writtenKeys[above] = sequence;
        const std::size_t slash = above.rfind(L'\\');
        above = slash == std::wstring::npos ? L"" : above.substr(0, slash);
    }
}

std::optional<LONG> deferDeleteKey(HKEY key, const wchar_t* subKey) {
    const std::optional<std::wstring> path = inTransaction() ? pathOf(key, subKey) : std::nullopt;
    if (!path)
        return std::nullopt;
    HKEY found = nullptr;
    const LONG status = RegOpenKeyExW(key, subKey, 0, KEY_READ, &found);
    if (status != ERROR_SUCCESS)
        return status;
    RegCloseKey(found);
    g_journal.deletions.push_back({*path, std::nullopt, ++g_journal.sequence});
    return ERROR_SUCCESS;
}

std::optional<LONG> deferDeleteValue(HKEY key, const wchar_t* valueName) {
    const std::optional<std::wstring> path = inTransaction() ? pathOf(key, nullptr) : std::nullopt;
    if (!path)
        return std::nullopt;
    const LONG status = RegQueryValueExW(key, valueName, nullptr, nullptr, nullptr, nullptr);
    if (status != ERROR_SUCCESS)
        return status;
    g_journal.deletions.push_back({*path, upper(valueName ? valueName : L""), ++g_journal.sequence});
    return ERROR_SUCCESS;
}

} // namespace vexor::registry::win32

namespace vexor::registry {

using win32::g_journal;

Transaction::Transaction() {
    m_outermost = g_journal.depth == 0;
    ++g_journal.depth;
    if (m_outermost) {
        g_journal = win32::Journal{};
        g_journal.depth = 1;
    }
}

Transaction::~Transaction() {
    if (m_done)
        return;
    if (!m_outermost)
        g_journal.abandoned = true;
    if (--g_journal.depth == 0)
        g_journal = win32::Journal{};
}

LONG Transaction::commit() {
    if (m_done)
        return m_status;
    m_done = true;
    if (!m_outermost) {
        --g_journal.depth;
        return m_status;
    }
    m_status = g_journal.abandoned ? ERROR_CANTWRITE : g_journal.firstFailure;
    for (const win32::Deletion& deletion : g_journal.deletions) {
        if (m_status == ERROR_SUCCESS)
            m_status = win32::applyDeletion(deletion);
    }
    g_journal = win32::Journal{};
    return m_status;
}

LONG Transaction::status() const {
    return m_status;
}

} // namespace vexor::registry
