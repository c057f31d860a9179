// Collects one new account: a name (typed, or picked from the machine's people), whether it needs a
// password to log in, and that password twice. Hands the result back through the dialog results and
// writes nothing itself.
#pragma once

#include "platform/ui/afx.h"
#include "resources/resource.h"

#include <string>
#include <vector>

class CAddUserDlg : public CDialog {
  public:
    enum { IDD = IDD_ADDUSER };

    explicit CAddUserDlg(CWnd* pParent = nullptr);

    // The names the list already holds: none of them may be added a second time.
    void SetExistingNames(std::vector<std::string> existingNames);

    BOOL OnInitDialog() override;
    void OnOK() override;

  protected:
    void DoDataExchange(CDataExchange* pDX) override;
    void UpdateOkButton();
    void OnNameSelected();
    void UpdateOkButtonFor(const std::string& strName);
    void OnNeedsPasswordClicked();
    void FillNameList();

    CButton m_checkNeedsPassword;
    CComboBox m_comboName;
    std::vector<std::string> m_existingNames;

    DECLARE_MESSAGE_MAP()
};
