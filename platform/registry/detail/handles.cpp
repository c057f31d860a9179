#include "platform/registry/detail/handles.h"

#include "platform/registry/detail/image.h"
#include "platform/registry/registry.h"

namespace vexor::registry::detail {

namespace {

ULONG_PTR valueOf(HKEY handle) {
    return reinterpret_cast<ULONG_PTR>(handle);
}

bool rootIdOf(HKEY handle, std::int64_t& id) {
    if (handle == HKEY_CLASSES_ROOT)
        id = kClassesRootId;
    else if (handle == HKEY_LOCAL_MACHINE)
        id = kLocalMachineId;
    else
        return false;
    return true;
}

} // namespace

HandleTable& HandleTable::instance() {
    static HandleTable table;
    return table;
}

// Handles count up in steps of four, as Windows' do, and are never given out twice in a process: a
// stale copy of a closed handle stays invalid.
HKEY HandleTable::add(OpenKey key) {
    const ULONG_PTR value = m_next;
    m_next += 4;
    m_open.emplace(value, key);
    return reinterpret_cast<HKEY>(value);
}

LONG HandleTable::find(HKEY handle, OpenKey& key) const {
    std::int64_t rootId = 0;
    if (rootIdOf(handle, rootId)) {
        key = {rootId, KEY_ALL_ACCESS};
        return ERROR_SUCCESS;
    }
    const auto it = m_open.find(valueOf(handle));
    if (it == m_open.end())
        return ERROR_INVALID_HANDLE;
    key = it->second;
    return ERROR_SUCCESS;
}

LONG HandleTable::remove(HKEY handle) {
    std::int64_t rootId = 0;
    if (rootIdOf(handle, rootId))
        return ERROR_SUCCESS;
    return m_open.erase(valueOf(handle)) == 1 ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

void HandleTable::clear() {
    m_open.clear();
}

namespace {
constexpr REGSAM kCreateLink = 0x0020;
constexpr REGSAM kDelete = 0x00010000;
constexpr REGSAM kWriteDac = 0x00040000;
constexpr REGSAM kWriteOwner = 0x00080000;
constexpr REGSAM kGenericRead = 0x80000000;
constexpr REGSAM kGenericWrite = 0x40000000;
constexpr REGSAM kGenericExecute = 0x20000000;
constexpr REGSAM kGenericAll = 0x10000000;

constexpr REGSAM kWriteRights =
    KEY_SET_VALUE | KEY_CREATE_SUB_KEY | kCreateLink | kDelete | kWriteDac | kWriteOwner;
} // namespace

REGSAM grantedRights(REGSAM desired) {
    REGSAM rights = desired & ~(kGenericRead | kGenericWrite | kGenericExecute | kGenericAll);
    if (desired & (kGenericRead | kGenericExecute))
        rights |= KEY_READ;
    if (desired & kGenericWrite)
        rights |= KEY_WRITE;
    if (desired & kGenericAll)
        rights |= KEY_ALL_ACCESS;
    return rights;
}

bool requestsWrite(REGSAM desired) {
    return (grantedRights(desired) & kWriteRights) != 0;
}

bool allows(REGSAM granted, REGSAM needed) {
    return (granted & needed) == needed;
}

bool isPredefinedRoot(HKEY handle) {
    std::int64_t rootId = 0;
    return rootIdOf(handle, rootId);
}

} // namespace vexor::registry::detail
