// An open registry key that closes itself. A root key is used as it stands and never closed, so that
// the commands treat "HKLM" and "HKLM\SOFTWARE" alike.
#pragma once

#include "tools/reg/KeyPath.h"

#include "platform/registry/registry.h"

class CKeyHandle {
  public:
    CKeyHandle() = default;
    ~CKeyHandle();
    CKeyHandle(const CKeyHandle&) = delete;
    CKeyHandle& operator=(const CKeyHandle&) = delete;

    // RegOpenKeyExA with sam; the root itself when path names a root.
    LONG Open(const CKeyPath& path, REGSAM sam);
    // RegCreateKeyExA: creates every missing key of the path.
    LONG Create(const CKeyPath& path, REGSAM sam);

    HKEY Get() const { return m_hKey; }

  private:
    void Close();

    HKEY m_hKey = nullptr;
    bool m_bOwned = false;
};
