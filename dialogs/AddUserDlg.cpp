#include "dialogs/AddUserDlg.h"

#include "dialogs/DialogResults.h"
#include "dialogs/EntryRules.h"
#include "store/RegistryAccess.h"

namespace {
// The machine's user accounts are the value names of this key.
const char* const kAccountNamesKey = "SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\DocFolderPaths";
} // namespace

CAddUserDlg::CAddUserDlg(CWnd* pParent) : CDialog(IDD, pParent) {}

void CAddUserDlg::SetExistingNames(std::vector<std::string> existingNames) {
    m_existingNames = std::move(existingNames);
}

BEGIN_MESSAGE_MAP(CAddUserDlg, CDialog)
ON_BN_CLICKED(IDOK, &CAddUserDlg::OnOK)
ON_EN_CHANGE(IDC_REPEAT, &CAddUserDlg::UpdateOkButton)
ON_BN_CLICKED(IDC_NEEDS_PASSWORD, &CAddUserDlg::OnNeedsPasswordClicked)
ON_CBN_EDITCHANGE(IDC_USERNAME, &CAddUserDlg::UpdateOkButton)
ON_CBN_SELCHANGE(IDC_USERNAME, &CAddUserDlg::OnNameSelected)
ON_EN_CHANGE(IDC_PASSWORD, &CAddUserDlg::UpdateOkButton)
ON_CBN_CLOSEUP(IDC_USERNAME, &CAddUserDlg::UpdateOkButton)
ON_CBN_SELENDOK(IDC_USERNAME, &CAddUserDlg::UpdateOkButton)
ON_CBN_EDITUPDATE(IDC_USERNAME, &CAddUserDlg::UpdateOkButton)
ON_CBN_SETFOCUS(IDC_USERNAME, &CAddUserDlg::UpdateOkButton)
END_MESSAGE_MAP()

void CAddUserDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_NEEDS_PASSWORD, m_checkNeedsPassword);
    DDX_Control(pDX, IDC_USERNAME, m_comboName);
}

// OK stays disabled, as the template has it, until the first notification asks again.
BOOL CAddUserDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    FillNameList();
    return TRUE;
}

void CAddUserDlg::FillNameList() {
    std::string strName;
    while (EnumRegValueName(HKEY_LOCAL_MACHINE, kAccountNamesKey, strName))
        m_comboName.AddString(strName.c_str());
}

void CAddUserDlg::UpdateOkButton() {
    UpdateOkButtonFor(m_comboName.GetWindowText());
}

// Windows tells of a name picked from the list before it puts that name into the box's edit, so the
// edit still holds the old text here: the picked item is the name.
void CAddUserDlg::OnNameSelected() {
    const int nItem = m_comboName.GetCurSel();
    UpdateOkButtonFor(nItem >= 0 ? m_comboName.GetLBText(nItem) : m_comboName.GetWindowText());
}

void CAddUserDlg::UpdateOkButtonFor(const std::string& strName) {
    const CWnd* pPassword = GetDlgItem(IDC_PASSWORD);
    const CWnd* pRepetition = GetDlgItem(IDC_REPEAT);
    const bool bPasswordOk = m_checkNeedsPassword.GetCheck() == BST_UNCHECKED ||
                             PasswordsAgree(pPassword->GetWindowText(), pRepetition->GetWindowText());
    const bool bEnable = !strName.empty() && bPasswordOk && IsNewAccountName(strName, m_existingNames) &&
                         AllTextsRepresentable({&m_comboName, pPassword, pRepetition});
    GetDlgItem(IDOK)->EnableWindow(bEnable);
}

// A disabled edit keeps what was typed into it.
void CAddUserDlg::OnNeedsPasswordClicked() {
    const BOOL bChecked = m_checkNeedsPassword.GetCheck() != BST_UNCHECKED;
    GetDlgItem(IDC_REPEAT)->EnableWindow(bChecked);
    GetDlgItem(IDC_PASSWORD)->EnableWindow(bChecked);
    UpdateOkButton();
}

// Validates nothing: OK can only be pressed while UpdateOkButton has enabled it.
void CAddUserDlg::OnOK() {
    g_strUserName = m_comboName.GetWindowText();
    g_strPassword = GetDlgItem(IDC_PASSWORD)->GetWindowText();
    g_bPasswordRequired = m_checkNeedsPassword.GetCheck() == BST_CHECKED ? 1 : 0;
    CDialog::OnOK();
}
