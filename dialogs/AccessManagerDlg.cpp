#include "dialogs/AccessManagerDlg.h"

#include "dialogs/AccessRightsDlg.h"
#include "dialogs/AddAdminDlg.h"
#include "dialogs/AddUserDlg.h"
#include "dialogs/DialogResults.h"
#include "dialogs/SetPasswordDlg.h"
#include "platform/registry/store.h"
#include "store/RegistryAccess.h"
#include "store/StoreFailure.h"
#include "store/StoreKeys.h"

#include <algorithm>

namespace {

const char* const kRefusalCaption = "Löschen";
const char* const kDeleteRefusal =
    "Sie können das Konto des Administrators nicht löschen.\n\nDer Administrator wird bei aktivierter Vexor IDE "
    "Kennwortsicherung für die Verwaltung der einzelnen Benutzergruppen benötigt und ist der einzige Benutzer, der "
    "nicht aus der Liste gelöscht werden kann.";
const char* const kAccessRightsRefusal =
    "Sie können das Konto des Administrators nicht einschränken.\n\nDer Administrator wird bei aktivierter Vexor "
    "IDE Kennwortsicherung für die Verwaltung der einzelnen Benutzergruppen benötigt und verfügt über alle "
    "Zugriffsrechte auf Vexor IDE Einstellungen und Tabs.";
const char* const kGroupGuest = "Gast";
const char* const kOffsetInitial = "0";

} // namespace

CAccessManagerDlg::CAccessManagerDlg(CWnd* pParent)
    : CDialog(IDD, pParent), m_hIcon(AfxGetApp() ? AfxGetApp()->LoadIcon(IDR_MAINFRAME) : nullptr) {}

BEGIN_MESSAGE_MAP(CAccessManagerDlg, CDialog)
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_ADD, &CAccessManagerDlg::OnAdd)
ON_BN_CLICKED(IDC_DELETE, &CAccessManagerDlg::OnDelete)
ON_BN_CLICKED(IDC_PROTECT, &CAccessManagerDlg::OnProtectSwitch)
ON_BN_CLICKED(IDC_SETPASSWORD, &CAccessManagerDlg::OnPassword)
ON_BN_CLICKED(IDC_ACCESSRIGHTS, &CAccessManagerDlg::OnAccessRights)
END_MESSAGE_MAP()

void CAccessManagerDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_USERLIST, m_userList);
    DDX_Control(pDX, IDC_PROTECT, m_protectSwitch);
}

// The switch shows checked exactly when the settings' unnamed value holds 1. Running the switch's
// handler once sets the commands' state; nothing is written, since the user has changed nothing yet.
BOOL CAccessManagerDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_protectSwitch.BindToRegistry(IDS_PROTECT_SWITCH, CheckBoxKindDword, HKEY_CLASSES_ROOT, SettingsKey, "", "",
                                   "", 1, 0, FALSE, FALSE, FALSE);
    m_userList.LoadUsers();
    OnProtectSwitch();
    return TRUE;
}

// While minimised the dialog shows the program icon, centred.
void CAccessManagerDlg::OnPaint() {
    if (!IsIconic()) {
        Default();
        return;
    }
    CPaintDC dc(this);
    RECT rect{};
    GetClientRect(&rect);
    const int x = (rect.right - rect.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    const int y = (rect.bottom - rect.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    dc.DrawIcon(x, y, m_hIcon);
}

HCURSOR CAccessManagerDlg::OnQueryDragIcon() { return static_cast<HCURSOR>(m_hIcon); }

void CAccessManagerDlg::OnAdd() {
    CAddUserDlg dlg(nullptr);
    dlg.SetExistingNames(AccountNames());
    if (dlg.DoModal() != IDOK)
        return;
    InsertAccountRow(g_strUserName, g_bPasswordRequired, kGroupGuest, g_strPassword);
    SaveAndReload();
}

// No question is asked; only the administrator's own account is refused.
void CAccessManagerDlg::OnDelete() {
    if (SelectedName() == AdministratorName) {
        MessageBox(kDeleteRefusal, kRefusalCaption, MB_OK | MB_ICONHAND);
        return;
    }
    m_userList.DeleteItem(m_userList.GetSelectionMark());
    SaveAndReload();
}

// Protection needs the administrator's account: turning it on while the list has none opens the setup
// first. Storing "on" without an administrator would make the next start wipe every account, so a setup
// that is cancelled, or whose account could not be saved, turns the switch off again and writes nothing.
// The switch writes its value only for a change by the user.
void CAccessManagerDlg::OnProtectSwitch() {
    const bool bHadAdministrator = HasAdministratorRow();
    if (m_protectSwitch.GetCheck() == BST_CHECKED && !bHadAdministrator && !CreateAdministratorAccount()) {
        m_protectSwitch.SetCheck(BST_UNCHECKED);
        m_protectSwitch.DiscardChange();
    }
    EnableCommands(m_protectSwitch.GetCheck() == BST_CHECKED);
    if (!m_protectSwitch.SaveToRegistry())
        ReportSaveFailure(g_lastRegStatus);
}

bool CAccessManagerDlg::CreateAdministratorAccount() {
    CAddAdminDlg dlg(nullptr);
    if (dlg.DoModal() != IDOK)
        return false;
    InsertAccountRow(g_strUserName, 1, AdministratorName, g_strPassword);
    return SaveAndReload();
}

// The account the start-up and the IDE look for: its key name, compared as the store compares them.
bool CAccessManagerDlg::HasAdministratorRow() const {
    const std::vector<std::string> names = AccountNames();
    return std::any_of(names.begin(), names.end(), [](const std::string& strName) {
        return vexor::registry::sameKeyName(strName, AdministratorName);
    });
}

void CAccessManagerDlg::InsertAccountRow(const std::string& strName, int bPasswordRequired, const char* pszGroup,
                                         const std::string& strPassword) {
    m_userList.InsertItem(0, strName.c_str());
    LVFINDINFO info{};
    info.flags = LVFI_STRING;
    info.psz = strName.c_str();
    const int nRow = m_userList.FindItem(&info, -1);
    m_userList.SetItemText(nRow, UserColumnPasswordRequired,
                           bPasswordRequired ? PasswordRequiredYes : PasswordRequiredNo);
    m_userList.SetItemText(nRow, UserColumnGroup, pszGroup);
    m_userList.SetItemText(nRow, UserColumnPassword, strPassword.c_str());
    m_userList.SetItemText(nRow, UserColumnOffset, kOffsetInitial);
}

// "Schließen" and the switch itself stay enabled; the access-rights button stays hidden whatever
// its enabled state.
void CAccessManagerDlg::EnableCommands(BOOL bEnable) {
    for (int nID : {IDC_USERLIST, IDC_ADD, IDC_DELETE, IDC_ACCESSRIGHTS, IDC_SETPASSWORD})
        GetDlgItem(nID)->EnableWindow(bEnable);
}

void CAccessManagerDlg::OnPassword() {
    g_bPasswordRequired = m_userList.GetItemText(m_userList.GetSelectionMark(), UserColumnPasswordRequired) ==
                                  PasswordRequiredYes
                              ? 1
                              : 0;
    CSetPasswordDlg dlg(nullptr);
    dlg.SetUserName(SelectedName());
    if (dlg.DoModal() != IDOK)
        return;
    const int nRow = m_userList.GetSelectionMark();
    m_userList.SetItemText(nRow, UserColumnPasswordRequired,
                           g_bPasswordRequired ? PasswordRequiredYes : PasswordRequiredNo);
    m_userList.SetItemText(nRow, UserColumnPassword, g_strPassword.c_str());
    SaveAndReload();
}

void CAccessManagerDlg::OnAccessRights() {
    if (SelectedName() == AdministratorName) {
        MessageBox(kAccessRightsRefusal, kRefusalCaption, MB_OK | MB_ICONHAND);
        return;
    }
    CAccessRightsDlg dlg(nullptr);
    dlg.DoModal();
}

// A save that failed left the store as it was; the user hears why, and the reload shows what the store
// holds, so the list never pretends a change was kept.
bool CAccessManagerDlg::SaveAndReload() {
    const LONG status = m_userList.SaveUsers();
    if (status != ERROR_SUCCESS)
        ReportSaveFailure(status);
    m_userList.LoadUsers();
    return status == ERROR_SUCCESS;
}

void CAccessManagerDlg::ReportSaveFailure(LONG status) {
    const std::string strText = "Die Änderung wurde nicht gespeichert.\n\n" + DescribeStoreFailure(status) +
                                "\n" + vexor::registry::storePath();
    MessageBox(strText.c_str(), GetWindowText().c_str(), MB_OK | MB_ICONHAND);
}

std::string CAccessManagerDlg::SelectedName() const {
    return m_userList.GetItemText(m_userList.GetSelectionMark(), UserColumnName);
}

std::vector<std::string> CAccessManagerDlg::AccountNames() const {
    std::vector<std::string> names;
    for (int nRow = 0; nRow < m_userList.GetItemCount(); ++nRow)
        names.push_back(m_userList.GetItemText(nRow, UserColumnName));
    return names;
}
