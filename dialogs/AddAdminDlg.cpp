#include "dialogs/AddAdminDlg.h"

#include "dialogs/DialogResults.h"
#include "dialogs/EntryRules.h"
#include "store/StoreKeys.h"

CAddAdminDlg::CAddAdminDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

BEGIN_MESSAGE_MAP(CAddAdminDlg, CDialog)
ON_COMMAND(IDCANCEL, &CAddAdminDlg::OnCancel)
ON_EN_CHANGE(IDC_PASSWORD, &CAddAdminDlg::UpdateOkButton)
ON_EN_CHANGE(IDC_REPEAT, &CAddAdminDlg::UpdateOkButton)
ON_COMMAND(IDOK, &CAddAdminDlg::OnOK)
END_MESSAGE_MAP()

void CAddAdminDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

// The focus goes to the first tab stop the user can reach: while OK is disabled, "Abbrechen".
BOOL CAddAdminDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    GetDlgItem(IDC_ADMINNAME)->SetWindowText(AdministratorName);
    return TRUE;
}

void CAddAdminDlg::UpdateOkButton() {
    const CWnd* pPassword = GetDlgItem(IDC_PASSWORD);
    const CWnd* pRepetition = GetDlgItem(IDC_REPEAT);
    const bool bEnable = PasswordsAgree(pPassword->GetWindowText(), pRepetition->GetWindowText()) &&
                         AllTextsRepresentable({pPassword, pRepetition});
    GetDlgItem(IDOK)->EnableWindow(bEnable);
}

// Validates nothing: OK can only be pressed while UpdateOkButton has enabled it.
void CAddAdminDlg::OnOK() {
    g_strUserName = GetDlgItem(IDC_ADMINNAME)->GetWindowText();
    g_strPassword = GetDlgItem(IDC_PASSWORD)->GetWindowText();
    CDialog::OnOK();
}
