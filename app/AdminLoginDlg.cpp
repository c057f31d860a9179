#include "app/AdminLoginDlg.h"

#include "store/RegistryAccess.h"
#include "store/StoreKeys.h"

namespace {
const char* const kLoginFailedText = "Sie konnten sich nicht anmelden. Bitte überprüfen Sie Ihr Kennwort. Bei "
                                     "Kennwörtern wird die Groß-/Kleinschreibung beachtet.";
const char* const kLoginFailedCaption = "Anmeldemeldung";

// A missing password, or one the account key doesn't let us read with full access, reads as empty.
// A store that failed to answer (locked, damaged, unreadable) is no empty password: an empty entry
// must not open the management because of it.
bool WasPasswordRead() {
    return g_lastRegStatus == ERROR_SUCCESS || g_lastRegStatus == ERROR_FILE_NOT_FOUND ||
           g_lastRegStatus == ERROR_ACCESS_DENIED;
}
} // namespace

CAdminLoginDlg::CAdminLoginDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CAdminLoginDlg::DoDataExchange(CDataExchange* pDX) { CDialog::DoDataExchange(pDX); }

BOOL CAdminLoginDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    GetDlgItem(IDC_PASSWORD)->SetFocus();
    return FALSE;
}

// The stored password is read afresh at every try. The comparison is byte for byte: no trimming, no
// case folding. Text that the code page can't hold is never taken for a match, however it converts.
void CAdminLoginDlg::OnOK() {
    const std::string strStored =
        ReadRegString(HKEY_CLASSES_ROOT, AdministratorKey, "Password", __FILE__, __LINE__);
    const bool bRead = WasPasswordRead();
    const CWnd* pEdit = GetDlgItem(IDC_PASSWORD);
    if (bRead && pEdit->IsWindowTextRepresentable() && pEdit->GetWindowText() == strStored) {
        CDialog::OnOK();
        return;
    }
    MessageBox(kLoginFailedText, kLoginFailedCaption, MB_OK | MB_ICONEXCLAMATION);
}
