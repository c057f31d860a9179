// The main window: the accounts of the store in a list, the commands add, delete and set password,
// and the protection switch of the Vexor IDE. Every command that changes an account changes its row,
// then saves the whole list and loads it back, so nothing is ever pending.
#pragma once

#include "dialogs/CheckBoxEx.h"
#include "platform/ui/afx.h"
#include "resources/resource.h"
#include "store/UserList.h"

#include <string>
#include <vector>

class CAccessManagerDlg : public CDialog {
  public:
    enum { IDD = IDD_ACCESSMANAGER };

    explicit CAccessManagerDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;

    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnAdd();
    void OnDelete();
    void OnProtectSwitch();
    void OnPassword();
    void OnAccessRights();

    bool CreateAdministratorAccount(); // false when cancelled or not saved
    bool HasAdministratorRow() const;
    void InsertAccountRow(const std::string& strName, int bPasswordRequired, const char* pszGroup,
                          const std::string& strPassword);
    void EnableCommands(BOOL bEnable);
    bool SaveAndReload(); // false when the save failed (the user was told)
    void ReportSaveFailure(LONG status);
    std::string SelectedName() const;
    std::vector<std::string> AccountNames() const;

    CUserList m_userList;
    CCheckBoxEx m_protectSwitch;
    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()
};
