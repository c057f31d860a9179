// Closes an open registry key when it goes out of scope, so that every path out of a function - the
// failed ones included - releases what it opened.
#pragma once

#include "platform/registry/registry.h"

class CRegKeyGuard {
  public:
    CRegKeyGuard() = default;
    ~CRegKeyGuard() {
        if (m_hKey)
            RegCloseKey(m_hKey);
    }
    CRegKeyGuard(const CRegKeyGuard&) = delete;
    CRegKeyGuard& operator=(const CRegKeyGuard&) = delete;

    PHKEY Receive() { return &m_hKey; }
    HKEY Get() const { return m_hKey; }

  private:
    HKEY m_hKey = nullptr;
};
