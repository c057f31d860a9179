// Key handles: opaque numbers looked up in a table, never pointers, so a closed, doubled-closed or
// made-up handle is recognised and answered with ERROR_INVALID_HANDLE instead of being followed; and
// the access rights they carry, in the Win32 sense.
#pragma once

#include "platform/win32/types.h"

#include <cstdint>
#include <unordered_map>

namespace vexor::registry::detail {

struct OpenKey {
    std::int64_t id;
    REGSAM access; // the rights it was opened with, already mapped from generic rights
};

class HandleTable {
  public:
    static HandleTable& instance();

    HKEY add(OpenKey key);
    // The predefined roots HKEY_CLASSES_ROOT and HKEY_LOCAL_MACHINE are always open with every right.
    LONG find(HKEY handle, OpenKey& key) const;
    // Closing a predefined root does nothing and succeeds, as on Windows.
    LONG remove(HKEY handle);
    void clear();

  private:
    std::unordered_map<ULONG_PTR, OpenKey> m_open;
    ULONG_PTR m_next = 0x1000;
};

bool isPredefinedRoot(HKEY handle);

// The rights a request for `desired` amounts to, with the generic rights spelled out.
REGSAM grantedRights(REGSAM desired);

// Whether the request asks to change the key or what is below it: refused on a key marked as refusing
// full access and on a store file the user may not write.
bool requestsWrite(REGSAM desired);

bool allows(REGSAM granted, REGSAM needed);

} // namespace vexor::registry::detail
