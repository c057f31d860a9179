#include "bench/BenchAccounts.h"

#include "platform/registry/store.h"
#include "store/RegistryAccess.h"
#include "store/StoreKeys.h"

#include <cstdio>

namespace {

void WriteAccount(const UserAccount& account) {
    const std::string strKey = std::string(AccountStoreKey) + "\\" + account.strName;
    WriteRegDword(HKEY_CLASSES_ROOT, strKey, "Enable Login", static_cast<DWORD>(account.bPasswordRequired),
                  REG_DWORD, __FILE__, __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, strKey, "Group", account.strGroup, REG_SZ, __FILE__, __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, strKey, "Password", account.strPassword, REG_SZ, __FILE__, __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, strKey, "Offset", account.strOffset, REG_SZ, __FILE__, __LINE__);
}

} // namespace

// Passwords as long as people tend to choose them, so that the amount of data is realistic.
UserAccount BenchAccount(int nIndex) {
    if (nIndex == 0)
        return {AdministratorName, 1, AdministratorName, "Kennwort-Admin", "0"};
    char szName[32];
    std::snprintf(szName, sizeof szName, "Benutzer%06d", nIndex);
    return {szName, nIndex % 2, "Gast", "Kennwort-" + std::to_string(nIndex * 7919 % 100000),
            std::to_string(nIndex % 40)};
}

bool WriteBenchAccounts(int nAccounts) {
    vexor::registry::Transaction transaction;
    for (int nIndex = 0; nIndex < nAccounts; ++nIndex)
        WriteAccount(BenchAccount(nIndex));
    return transaction.commit() == ERROR_SUCCESS;
}

int CountStoredAccounts() {
    int nCount = 0;
    std::string strName;
    while (EnumRegSubKey(HKEY_CLASSES_ROOT, AccountStoreKey, strName))
        ++nCount;
    return nCount;
}
