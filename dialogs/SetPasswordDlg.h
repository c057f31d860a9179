// Sets a new password for one account and whether the account needs it to log in. Takes the initial
// check state from g_bPasswordRequired and hands password and flag back through the dialog results.
#pragma once

#include "platform/ui/afx.h"
#include "resources/resource.h"

#include <string>

class CSetPasswordDlg : public CDialog {
  public:
    enum { IDD = IDD_SETPASSWORD };

    explicit CSetPasswordDlg(CWnd* pParent = nullptr);

    // Names the account in the caption; call before DoModal.
    void SetUserName(const std::string& strUserName);

    BOOL OnInitDialog() override;
    void OnOK() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateOkButton();
    void OnNeedsPasswordClicked();

    std::string m_strCaption;
    CButton m_checkNeedsPassword;

    DECLARE_MESSAGE_MAP()
};
