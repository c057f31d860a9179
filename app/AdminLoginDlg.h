// Asks for the administrator password before the account management opens. Ends with IDOK only when
// the typed text equals the stored password; a wrong one leaves it open for another try.
#pragma once

#include "platform/ui/afx.h"
#include "resources/resource.h"

class CAdminLoginDlg : public CDialog {
  public:
    enum { IDD = IDD_ADMINLOGIN };

    explicit CAdminLoginDlg(CWnd* pParent = nullptr);

    BOOL OnInitDialog() override;
    void OnOK() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
};
