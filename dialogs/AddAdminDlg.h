// Lets the administrator choose the administrator password when the administrator account is created.
// The name is fixed; the password is typed twice. Hands name and password back through the dialog
// results and writes nothing itself.
#pragma once

#include "platform/ui/afx.h"
#include "resources/resource.h"

class CAddAdminDlg : public CDialog {
  public:
    enum { IDD = IDD_ADDADMIN };

    explicit CAddAdminDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateOkButton();

    DECLARE_MESSAGE_MAP()
};
