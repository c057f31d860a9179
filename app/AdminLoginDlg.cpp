#include "app/AdminLoginDlg.h"

#include "store/RegistryAccess.h"
#include "store/StoreFailure.h"
#include "store/StoreKeys.h"

namespace {
const char* const kLoginFailedText = "Sie konnten sich nicht anmelden. Bitte überprüfen Sie Ihr Kennwort. Bei "
                                     "Kennwörtern wird die Groß-/Kleinschreibung beachtet.";
const char* const kLoginFailedCaption = "Anmeldemeldung";

} // namespace

CAdminLoginDlg::CAdminLoginDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CAdminLoginDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

BOOL CAdminLoginDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    GetDlgItem(IDC_LOGIN_PASSWORD)->SetFocus();
    return FALSE;
}

// The stored password is read afresh at every try. The comparison is byte for byte: no trimming, no
// case folding. Text that the code page can't hold is never taken for a match, however it converts.
// A missing password, or one the account key doesn't let us read with full access, reads as empty;
// a read that failed in any other way, at any step, is no empty password: an empty entry must not open
// the management because the store did not answer.
void CAdminLoginDlg::OnOK() {
    const std::string strStored =
        ReadRegString(HKEY_CLASSES_ROOT, AdministratorKey, "Password", __FILE__, __LINE__);
    const bool bRead = g_lastRegStatus == ERROR_SUCCESS || IsMissingStatus(g_lastRegStatus);
    const CWnd* pEdit = GetDlgItem(IDC_LOGIN_PASSWORD);
    if (bRead && pEdit->IsWindowTextRepresentable() && pEdit->GetWindowText() == strStored) {
        CDialog::OnOK();
        return;
    }
    MessageBox(kLoginFailedText, kLoginFailedCaption, MB_OK | MB_ICONEXCLAMATION);
}
