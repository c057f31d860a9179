// The accounts of the Vexor IDE, held in the cells of the main dialog's list control: the list is the
// only copy in memory, so every change is made in a row, then the whole list is saved and loaded back.
#pragma once

#include "platform/ui/afx.h"

#include <string>
#include <vector>

struct UserAccount {
    std::string strName;
    int bPasswordRequired = 0;
    std::string strGroup;
    std::string strPassword;
    std::string strOffset;
};

// The list's columns; all but the first two have width 0 and carry the data that a save writes back.
enum UserListColumn : int {
    UserColumnName = 0,
    UserColumnPasswordRequired = 1, // "Ja" / "Nein"
    UserColumnGroup = 2,
    UserColumnPassword = 3,
    UserColumnOffset = 4,
};

inline constexpr const char* PasswordRequiredYes = "Ja";
inline constexpr const char* PasswordRequiredNo = "Nein";

class CUserList : public CListCtrl {
  public:
    ~CUserList() override;

    // Rebuilds the columns and fills the rows from the account store, the newest enumerated on top.
    void LoadUsers();
    // Replaces the account store with the rows of the list, as one atomic write: a reader in another
    // process sees the old store or the new, and a crash in between leaves the old one. Returns
    // ERROR_SUCCESS, or the status of the failure that left the store as it was.
    LONG SaveUsers();

  private:
    void ResetColumns();
    void CountAccounts();
    void ReadAccounts();
    void FillRows();
    void WriteRow(int nRow);

    std::vector<UserAccount> m_accounts;
};
