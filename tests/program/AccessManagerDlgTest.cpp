#include "tests/program/ProgramFixture.h"

#include "platform/registry/fault_injection.h"
#include "platform/registry/registry.h"
#include "platform/registry/store.h"

namespace {

using vexor::test::DialogDriver;
using vexor::test::ModalScript;

constexpr int kList = IDC_USERLIST, kAdd = IDC_ADD, kDelete = IDC_DELETE, kSwitch = IDC_PROTECT,
              kRights = IDC_ACCESSRIGHTS, kPassword = IDC_SETPASSWORD;
const char* const kDeleteRefusal =
    "Sie können das Konto des Administrators nicht löschen.\n\nDer Administrator wird bei aktivierter Vexor IDE "
    "Kennwortsicherung für die Verwaltung der einzelnen Benutzergruppen benötigt und ist der einzige Benutzer, der "
    "nicht aus der Liste gelöscht werden kann.";
const char* const kRightsRefusal =
    "Sie können das Konto des Administrators nicht einschränken.\n\nDer Administrator wird bei aktivierter Vexor "
    "IDE Kennwortsicherung für die Verwaltung der einzelnen Benutzergruppen benötigt und verfügt über alle "
    "Zugriffsrechte auf Vexor IDE Einstellungen und Tabs.";

void ExpectCommandsEnabled(DialogDriver& d, bool enabled) {
    for (int id : {kList, kAdd, kDelete, kPassword, kRights})
        EXPECT_EQ(d.isEnabled(id), enabled) << "control " << id;
    EXPECT_TRUE(d.isEnabled(kSwitch));
    EXPECT_FALSE(d.isVisible(kRights));
}

class MainDialog : public ProgramTest {};

// Protection is never stored without an administrator: whenever the list has none, switching on asks
// for one first, and a cancelled setup turns the switch off again and leaves the store as it was.
TEST_F(MainDialog, SwitchingOnWithoutAnAdministratorAsksForOneAndACancelWritesNothing) {
    for (const std::string& fixture : {std::string(), std::string(kSettingsOffReg) + AccountReg("bob", 0, "Gast", "")}) {
        Import(fixture);
        const std::string before = ExportClsid();
        RunMainDialog([&](CTestAccessManagerDlg&, DialogDriver& d) {
            m_script.expectDialog(IDD_ADDADMIN, [](DialogDriver& admin) {
                admin.typeText(IDC_PASSWORD, "x");
                admin.escape();
            });
            d.click(kSwitch);
            EXPECT_FALSE(d.isChecked(kSwitch));
            ExpectCommandsEnabled(d, false);
        });
        EXPECT_EQ(ExportClsid(), before);
    }
}

// A save that fails leaves the store as it was, and the user is told so and why; the list then shows
// what the store holds.
TEST_F(MainDialog, AFailedSaveSaysWhyAndShowsWhatTheStoreHolds) {
    Import(kSettingsOnReg + kAdminReg + AccountReg("bob", 0, "Gast", ""));
    const std::string before = ExportClsid();
    const std::pair<LONG, const char*> causes[] = {
        {ERROR_BUSY, "Die Registrierungsdatenbank ist von einem anderen Programm gesperrt. (Fehler 170)"},
        {112, "Auf dem Datenträger ist kein Platz mehr frei. (Fehler 112)"},
        {ERROR_ACCESS_DENIED, "Sie haben keine Berechtigung, die Registrierungsdatenbank zu ändern. (Fehler 5)"},
    };
    RunMainDialog([&](CTestAccessManagerDlg& dlg, DialogDriver& d) {
        for (const auto& [status, cause] : causes) { // a store this user may not write loads as empty
            d.selectListRow(kList, 0);
            if (status == ERROR_ACCESS_DENIED)
                vexor::registry::testing::pretendStoreNotWritable(true);
            else
                vexor::registry::testing::failAtOperation(3, status);
            vexor::registry::closeStore();
            m_script.expectMessageBox("Vexor IDE Zugriffsrechtverwaltung",
                                      std::string("Die Änderung wurde nicht gespeichert.\n\n") + cause + "\n" +
                                          vexor::registry::storePath(),
                                      MB_OK | MB_ICONHAND);
            d.click(kDelete);
            vexor::registry::testing::clearFaults();
            vexor::registry::testing::pretendStoreNotWritable(false);
            vexor::registry::closeStore();
            EXPECT_EQ(dlg.UserList().GetItemCount(), status == ERROR_ACCESS_DENIED ? 0 : 2) << cause;
        }
    });
    EXPECT_EQ(ExportClsid(), before);
}

// The space bar is a user change as a click is.
TEST_F(MainDialog, SwitchingWithAccountsOpensNoSetupAndKeepsEveryAccount) {
    Import(kAdminReg + AccountReg("bob", 0, "Gast", ""));
    RunMainDialog([&](CTestAccessManagerDlg&, DialogDriver& d) {
        d.click(kSwitch); // on: no setup, the list has accounts
        ExpectCommandsEnabled(d, true);
        d.space(); // the switch has the focus after the click: off again, by keyboard
        EXPECT_FALSE(d.isChecked(kSwitch));
        ExpectCommandsEnabled(d, false);
    });
    EXPECT_EQ(ExportClsid(), ExportOf({kAdminReg, AccountReg("bob", 0, "Gast", "")}, kSettingsOffReg));
}

TEST_F(MainDialog, CheckedSwitchWithNoAccountsAsksForTheAdministratorAtOnce) {
    Import(kSettingsOnReg);
    m_script.expectDialog(IDD_ADDADMIN, [](DialogDriver& admin) { admin.click(IDCANCEL); });
    RunMainDialog([&](CTestAccessManagerDlg&, DialogDriver& d) {
        EXPECT_FALSE(d.isChecked(kSwitch));
        ExpectCommandsEnabled(d, false);
    });
    // No user change happened, so the stored 1 stays.
    EXPECT_EQ(ExportClsid(), std::string(kSettingsOnReg) + "\n");
}

// Neither a press released outside the switch nor Enter (which closes the dialog) is a user change.
TEST_F(MainDialog, ANonClickOnTheSwitchAndEnterWriteNothing) {
    m_script.expectDialog(CAccessManagerDlg::IDD, [](DialogDriver& d) {
        d.pressAndReleaseOutside(kSwitch);
        EXPECT_FALSE(d.isChecked(kSwitch));
        d.enter();
    });
    CTestAccessManagerDlg().DoModal();
    EXPECT_EQ(ExportClsid(), "");
}

// Access rights change nothing, for the administrator (refused) or anyone else (inert); delete
// refuses the administrator and removes any other account.
TEST_F(MainDialog, TheAdministratorIsRefusedAccessRightsAndDeletionAndOthersAreDeleted) {
    Import(kSettingsOnReg + kAdminReg + AccountReg("bob", 0, "Gast", ""));
    const std::string before = ExportClsid();
    RunMainDialog([&](CTestAccessManagerDlg& dlg, DialogDriver& d) {
        // The list shows the accounts in the reverse of the store's order: bob, Administrator.
        d.selectListRow(kList, 1);
        m_script.expectMessageBox("Löschen", kRightsRefusal, MB_OK | MB_ICONHAND).thenAnswer(ModalScript::Answer::Escape);
        dlg.OnAccessRights();
        m_script.expectMessageBox("Löschen", kDeleteRefusal, MB_OK | MB_ICONHAND).thenPress(IDOK);
        d.click(kDelete);
        EXPECT_EQ(dlg.UserList().GetItemCount(), 2);
        d.selectListRow(kList, 0);
        m_script.expectDialog(IDD_ACCESSRIGHTS, [](DialogDriver& rights) {
            EXPECT_FALSE(rights.isEnabled(IDC_GROUP));
            EXPECT_FALSE(rights.isEnabled(IDC_RIGHTS));
            rights.click(IDOK);
        });
        dlg.OnAccessRights();
        EXPECT_EQ(ExportClsid(), before);
        d.click(kDelete);
        ASSERT_EQ(dlg.UserList().GetItemCount(), 1);
        EXPECT_EQ(dlg.UserList().GetItemText(0, 0), "Administrator");
        EXPECT_EQ(dlg.UserList().GetSelectionMark(), -1);
    });
    EXPECT_EQ(ExportClsid(), ExportOf({kAdminReg}, kSettingsOnReg));
}

TEST_F(MainDialog, ACaseVariantOfTheAdministratorIsDeletedLikeAnyAccount) {
    Import(std::string(kSettingsOnReg) + AccountReg("ADMINISTRATOR", 1, "Gast", "a"));
    RunMainDialog([&](CTestAccessManagerDlg&, DialogDriver& d) {
        d.selectListRow(kList, 0);
        d.click(kDelete);
    });
    EXPECT_EQ(ExportClsid(), std::string(kSettingsOnReg) + "\n");
}

TEST_F(MainDialog, DeleteWithoutSelectionRemovesNothingButRewritesTheStore) {
    Import(kSettingsOnReg + kAdminReg +
           AccountReg("bob", 1, "Gast", "pw", "7") + "\"Extra\"=\"weg\"\n" +
           "[HKEY_CLASSES_ROOT\\CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}\\bob\\sub]\n");
    RunMainDialog([&](CTestAccessManagerDlg&, DialogDriver& d) { d.click(kDelete); });
    EXPECT_EQ(ExportClsid(), ExportOf({kAdminReg, AccountReg("bob", 1, "Gast", "pw", "7")}, kSettingsOnReg));
}

} // namespace
