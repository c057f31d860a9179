#include "app/AccessManagerApp.h"

#include "app/AdminLoginDlg.h"
#include "dialogs/AccessManagerDlg.h"
#include "platform/registry/store.h"
#include "resources/resources.h"
#include "store/RegistryAccess.h"
#include "store/StoreFailure.h"
#include "store/StoreKeys.h"

#include <cstdlib>

namespace {

const char* const kRegistryKeyName = "Vom lokalen Anwendungs-Assistenten generierte Anwendungen";
const char* const kResetCaption = "Achtung";
const char* const kResetWarning = "ACHTUNG: Das Konto für den Administrator wurde nicht gefunden.\n\nEs werden alle "
                                  "Benutzerprofile entfernt und die Einstellungen zurückgesetzt.";
const char* const kStoreDamagedCaption = "Vexor IDE Zugriffsrechtverwaltung";

} // namespace

CAccessManagerApp::CAccessManagerApp() = default;

// Start-up decides from two tests: is a protection setting stored (on or off alike), and does the
// administrator's account exist. Setting and administrator: login. Setting without administrator:
// warning and reset. No setting: straight to the main dialog. A test the store could not answer is
// neither yes nor no: guessing would skip the login or wipe the store, so the program says why and
// ends without writing anything.
BOOL CAccessManagerApp::InitInstance() {
    vexor::res::registerProgramResources();
    InitCommonControls();
    CWinApp::InitInstance();
    AfxEnableControlContainer();
    SetRegistryKey(kRegistryKeyName);

    if (!IsStoreUsable())
        return FALSE;
    const Presence setting = ProtectionSetting();
    const Presence administrator = setting == Presence::Present ? AdministratorAccount() : Presence::Missing;
    if (setting == Presence::Failed || administrator == Presence::Failed) {
        ReportUnusableStore(DescribeStoreFailure(g_lastRegStatus));
        return FALSE;
    }
    if (setting == Presence::Present) {
        if (administrator == Presence::Present)
            RunLogin();
        else
            ResetStore();
    }
    RunMainDialog();
    return FALSE;
}

// A damaged or unreadable store must not pass for "no setting" or "no administrator".
bool CAccessManagerApp::IsStoreUsable() const {
    if (vexor::registry::checkStore() == ERROR_SUCCESS)
        return true;
    ReportUnusableStore(vexor::registry::lastStoreError());
    return false;
}

void CAccessManagerApp::ReportUnusableStore(const std::string& strReason) const {
    const std::string strText = "Die Registrierungsdatenbank kann nicht gelesen werden:\n" +
                                vexor::registry::storePath() + "\n\n" + strReason +
                                "\n\nDas Programm wird beendet, ohne etwas zu verändern.";
    CWnd().MessageBox(strText.c_str(), kStoreDamagedCaption, MB_OK | MB_ICONHAND); // no window owns it
}

CAccessManagerApp::Presence CAccessManagerApp::PresenceOf(BOOL bFound) {
    if (bFound)
        return Presence::Present;
    return IsMissingStatus(g_lastRegStatus) ? Presence::Missing : Presence::Failed;
}

CAccessManagerApp::Presence CAccessManagerApp::ProtectionSetting() const {
    return PresenceOf(RegValueExists(HKEY_CLASSES_ROOT, SettingsKey, "", __FILE__, __LINE__));
}

CAccessManagerApp::Presence CAccessManagerApp::AdministratorAccount() const {
    return PresenceOf(RegKeyExists(HKEY_CLASSES_ROOT, AdministratorKey, __FILE__, __LINE__));
}

// Anything but a successful login ends the process at once: the main dialog never opens and nothing
// is written.
void CAccessManagerApp::RunLogin() {
    CAdminLoginDlg dlg(nullptr);
    if (dlg.DoModal() != IDOK)
        std::exit(0);
}

// However the warning is closed, the reset follows. Both trees go in one write, so that a crash
// can't leave the settings without the store or the other way round.
void CAccessManagerApp::ResetStore() {
    CWnd().MessageBox(kResetWarning, kResetCaption, MB_OK | MB_ICONHAND); // no window owns it
    vexor::registry::Transaction transaction;
    DeleteRegTree(HKEY_CLASSES_ROOT, ClsidKey, AccountStoreKeyName);
    DeleteRegTree(HKEY_CLASSES_ROOT, ClsidKey, SettingsKeyName);
    transaction.commit();
}

void CAccessManagerApp::RunMainDialog() {
    CAccessManagerDlg dlg(nullptr);
    m_pMainWnd = &dlg;
    dlg.DoModal();
    m_pMainWnd = nullptr;
}
