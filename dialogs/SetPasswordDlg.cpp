#include "dialogs/SetPasswordDlg.h"

#include "dialogs/DialogResults.h"
#include "dialogs/EntryRules.h"
#include "store/TextResources.h"

CSetPasswordDlg::CSetPasswordDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BEGIN_MESSAGE_MAP(CSetPasswordDlg, CDialog)
ON_BN_CLICKED(IDOK, &CSetPasswordDlg::OnOK)
ON_BN_CLICKED(IDC_SETPW_NEEDS_PASSWORD, &CSetPasswordDlg::OnNeedsPasswordClicked)
ON_EN_CHANGE(IDC_NEW_PASSWORD, &CSetPasswordDlg::UpdateOkButton)
ON_EN_CHANGE(IDC_CONFIRM_PASSWORD, &CSetPasswordDlg::UpdateOkButton)
END_MESSAGE_MAP()

// The name is an argument of the caption's format, never a format itself.
void CSetPasswordDlg::SetUserName(const std::string& strUserName) {
    m_strCaption = FormatText(IDS_SETPASSWORD_CAPTION, strUserName, __FILE__, __LINE__);
}

void CSetPasswordDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_SETPW_NEEDS_PASSWORD, m_checkNeedsPassword);
}

BOOL CSetPasswordDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    SetWindowText(m_strCaption.c_str());
    m_checkNeedsPassword.SetCheck(g_bPasswordRequired);
    UpdateOkButton();
    OnNeedsPasswordClicked();
    return TRUE;
}

void CSetPasswordDlg::UpdateOkButton() {
    const CWnd* pPassword = GetDlgItem(IDC_NEW_PASSWORD);
    const CWnd* pConfirmation = GetDlgItem(IDC_CONFIRM_PASSWORD);
    const bool bPasswordOk = m_checkNeedsPassword.GetCheck() == BST_UNCHECKED ||
                             PasswordsAgree(pPassword->GetWindowText(), pConfirmation->GetWindowText());
    GetDlgItem(IDOK)->EnableWindow(bPasswordOk && AllTextsRepresentable({pPassword, pConfirmation}));
}

// A disabled edit keeps what was typed into it.
void CSetPasswordDlg::OnNeedsPasswordClicked() {
    UpdateOkButton();
    const BOOL bChecked = m_checkNeedsPassword.GetCheck() != BST_UNCHECKED;
    GetDlgItem(IDC_NEW_PASSWORD)->EnableWindow(bChecked);
    GetDlgItem(IDC_CONFIRM_PASSWORD)->EnableWindow(bChecked);
}

// Validates nothing: OK can only be pressed while UpdateOkButton has enabled it.
void CSetPasswordDlg::OnOK() {
    g_strPassword = GetDlgItem(IDC_NEW_PASSWORD)->GetWindowText();
    g_bPasswordRequired = m_checkNeedsPassword.GetCheck() == BST_CHECKED ? 1 : 0;
    CDialog::OnOK();
}
