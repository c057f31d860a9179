#include "tools/reg/KeyHandle.h"

CKeyHandle::~CKeyHandle() {
    Close();
}

void CKeyHandle::Close() {
    if (m_bOwned)
        RegCloseKey(m_hKey);
    m_hKey = nullptr;
    m_bOwned = false;
}

LONG CKeyHandle::Open(const CKeyPath& path, REGSAM sam) {
    Close();
    if (path.IsRoot()) {
        m_hKey = path.hRoot;
        return ERROR_SUCCESS;
    }
    const LONG status = RegOpenKeyExA(path.hRoot, path.strSubKey.c_str(), 0, sam, &m_hKey);
    m_bOwned = status == ERROR_SUCCESS;
    if (!m_bOwned)
        m_hKey = nullptr;
    return status;
}

LONG CKeyHandle::Create(const CKeyPath& path, REGSAM sam) {
    Close();
    if (path.IsRoot()) {
        m_hKey = path.hRoot;
        return ERROR_SUCCESS;
    }
    const LONG status = RegCreateKeyExA(path.hRoot, path.strSubKey.c_str(), 0, nullptr,
                                        REG_OPTION_NON_VOLATILE, sam, nullptr, &m_hKey, nullptr);
    m_bOwned = status == ERROR_SUCCESS;
    if (!m_bOwned)
        m_hKey = nullptr;
    return status;
}
