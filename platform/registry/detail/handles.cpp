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

bool isPredefinedRoot(HKEY handle) {
    std::int64_t rootId = 0;
    return rootIdOf(handle, rootId);
}

} // namespace vexor::registry::detail
