#include "store/UserList.h"

#include "platform/registry/store.h"
#include "store/RegistryAccess.h"
#include "store/StoreKeys.h"


namespace {

struct ColumnLayout {
    const char* pszHeading;
    int nWidth;
};

constexpr ColumnLayout kColumns[] = {
    {"Name", 171}, {"Kennwort", 70}, {"Gruppe", 0}, {"Passwort", 0}, {"Offset", 0},
};

std::string AccountKeyPath(const std::string& strName) { return std::string(AccountStoreKey) + "\\" + strName; }

} // namespace

CUserList::~CUserList() = default;

// The count and the read share one view of the store: they see the same state whatever another
// program saves meanwhile, and the store locks its file once for them instead of for every call.
void CUserList::LoadUsers() {
    DeleteAllItems();
    ResetColumns();
    {
        vexor::registry::ReadScope view;
        CountAccounts();
        ReadAccounts();
    }
    FillRows();
}

void CUserList::ResetColumns() {
    while (GetColumnCount() > 0)
        DeleteColumn(0);
    SetExtendedStyle(LVS_EX_FULLROWSELECT);
    for (int nCol = 0; nCol < static_cast<int>(std::size(kColumns)); ++nCol)
        InsertColumn(nCol, kColumns[nCol].pszHeading, LVCFMT_LEFT, kColumns[nCol].nWidth);
}

void CUserList::CountAccounts() {
    std::size_t nCount = 0;
    std::string strOutput;
    while (EnumRegSubKey(HKEY_CLASSES_ROOT, AccountStoreKey, strOutput))
        ++nCount;
    m_accounts.assign(nCount, UserAccount{});
}

// Another program may change the store between the count and the read, so records are added past
// the count rather than overrun, and unused ones dropped.
void CUserList::ReadAccounts() {
    std::size_t nNext = 0;
    std::string strOutput;
    while (EnumRegSubKey(HKEY_CLASSES_ROOT, AccountStoreKey, strOutput)) {
        if (nNext == m_accounts.size())
            m_accounts.emplace_back();
        UserAccount& account = m_accounts[nNext++];
        const std::string strKey = AccountKeyPath(strOutput);
        account.strName = strOutput;
        account.bPasswordRequired =
            ReadRegDword(HKEY_CLASSES_ROOT, strKey, "Enable Login", __FILE__, __LINE__) == 1 ? 1 : 0;
        account.strGroup = ReadRegString(HKEY_CLASSES_ROOT, strKey, "Group", __FILE__, __LINE__);
        account.strPassword = ReadRegString(HKEY_CLASSES_ROOT, strKey, "Password", __FILE__, __LINE__);
        account.strOffset = ReadRegString(HKEY_CLASSES_ROOT, strKey, "Offset", __FILE__, __LINE__);
    }
    m_accounts.resize(nNext);
}

// Every row goes to the top, so the list shows the accounts in the reverse of the store's order.
void CUserList::FillRows() {
    for (const UserAccount& account : m_accounts) {
        InsertItem(0, account.strName.c_str());
        LVFINDINFO info{};
        info.flags = LVFI_STRING;
        info.psz = account.strName.c_str();
        const int nRow = FindItem(&info, -1);
        SetItemText(nRow, UserColumnPasswordRequired,
                    account.bPasswordRequired ? PasswordRequiredYes : PasswordRequiredNo);
        SetItemText(nRow, UserColumnGroup, account.strGroup.c_str());
        SetItemText(nRow, UserColumnPassword, account.strPassword.c_str());
        SetItemText(nRow, UserColumnOffset, account.strOffset.c_str());
    }
}

LONG CUserList::SaveUsers() {
    vexor::registry::Transaction transaction;
    DeleteRegTree(HKEY_CLASSES_ROOT, ClsidKey, AccountStoreKeyName);
    for (int nRow = 0; nRow < GetItemCount(); ++nRow)
        WriteRow(nRow);
    return transaction.commit();
}

void CUserList::WriteRow(int nRow) {
    const std::string strKey = AccountKeyPath(GetItemText(nRow, UserColumnName));
    const DWORD dwEnable = GetItemText(nRow, UserColumnPasswordRequired) == PasswordRequiredYes ? 1 : 0;
    WriteRegDword(HKEY_CLASSES_ROOT, strKey, "Enable Login", dwEnable, REG_DWORD, __FILE__, __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, strKey, "Group", GetItemText(nRow, UserColumnGroup), REG_SZ, __FILE__,
                   __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, strKey, "Password", GetItemText(nRow, UserColumnPassword), REG_SZ, __FILE__,
                   __LINE__);
    WriteRegString(HKEY_CLASSES_ROOT, strKey, "Offset", GetItemText(nRow, UserColumnOffset), REG_SZ, __FILE__,
                   __LINE__);
}
