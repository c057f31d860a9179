#include "tests/program/ProgramFixture.h"

#include "platform/registry/fault_injection.h"
#include "tests/common/FileBytes.h"

#include <cstdint>

namespace {

using vexor::test::DialogDriver;
using vexor::test::ModalScript;

constexpr int kLoginPassword = IDC_LOGIN_PASSWORD;
const char* const kLoginFailed = "Sie konnten sich nicht anmelden. Bitte überprüfen Sie Ihr Kennwort. Bei Kennwörtern "
                                 "wird die Groß-/Kleinschreibung beachtet.";
const char* const kResetWarning = "ACHTUNG: Das Konto für den Administrator wurde nicht gefunden.\n\nEs werden alle "
                                  "Benutzerprofile entfernt und die Einstellungen zurückgesetzt.";

class StartUp : public ProgramTest {
  protected:
    void ExpectMainDialog(std::function<void(DialogDriver&)> actions = {}) {
        m_script.expectDialog(CAccessManagerDlg::IDD, [actions](DialogDriver& d) {
            if (actions)
                actions(d);
            d.escape();
        });
    }
    // The program's word on a store it cannot read, and why, before it ends without writing.
    void ExpectUnreadableStore(const std::string& reason) {
        m_script.expectMessageBox("Vexor IDE Zugriffsrechtverwaltung",
                                  "Die Registrierungsdatenbank kann nicht gelesen werden:\n" + m_store.path() + "\n\n" +
                                      reason + "\n\nDas Programm wird beendet, ohne etwas zu verändern.",
                                  MB_OK | MB_ICONHAND);
    }
};

// No stored setting: no store at all, or a settings key without its unnamed value.
TEST_F(StartUp, WithoutAStoredSettingTheMainDialogOpensAtOnceAndNothingIsWritten) {
    for (const std::string& fixture :
         {std::string(), "[HKEY_CLASSES_ROOT\\CLSID\\{C27D5E90-1B4A-4F36-8E2D-63A9F07B84D1}]\n\"Theme\"=\"dunkel\"\n" +
                             kAdminReg}) {
        if (!fixture.empty())
            Import(fixture);
        const std::string before = ExportClsid();
        ExpectMainDialog([](DialogDriver& d) { EXPECT_FALSE(d.isChecked(IDC_PROTECT)); });
        EXPECT_FALSE(Start());
        EXPECT_EQ(ExportClsid(), before);
    }
}

TEST_F(StartUp, TheLoginTakesOnlyTheExactPasswordAndKeepsWhatWasTyped) {
    Import(std::string(kSettingsOffReg) + AccountReg("Administrator", 1, "Administrator", "Geheim"));
    m_script.expectDialog(IDD_ADMINLOGIN, [this](DialogDriver& d) {
        EXPECT_EQ(d.focusedId(), kLoginPassword);
        for (const char* wrong : {"geheim", "Geheim ", ""}) {
            d.replaceText(kLoginPassword, wrong);
            m_script.expectMessageBox("Anmeldemeldung", kLoginFailed, MB_OK | MB_ICONEXCLAMATION).thenPress(IDOK);
            d.enter();
            EXPECT_EQ(d.text(kLoginPassword), wrong);
        }
        d.replaceText(kLoginPassword, "Geheim");
        ExpectMainDialog();
        d.click(IDOK);
    });
    Start();
}

TEST_F(StartUp, AMissingPasswordValueAcceptsOnlyAnEmptyEntry) {
    Import(std::string(kSettingsOnReg) +
           "[HKEY_CLASSES_ROOT\\CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}\\Administrator]\n\"Password\"=dword:1\n");
    m_script.expectDialog(IDD_ADMINLOGIN, [](DialogDriver& d) { d.enter(); });
    ExpectMainDialog();
    Start();
}

// A read the store could not answer is never taken for something missing. At start-up it is neither
// "no setting" (that would skip the login) nor "no administrator" (that would wipe the store): the
// program says why and ends without writing. At the login an empty entry matches a missing password,
// but never one the store failed to read: each step of that read fails in turn, with an empty entry
// and with the right one.
TEST_F(StartUp, AStoreThatFailsAtAnyStartUpOrLoginReadIsReportedOrRefusedAndLeftAsItWas) {
    Import(std::string(kSettingsOnReg) + AccountReg("Administrator", 1, "Administrator", "Geheim"));
    const std::string before = ExportClsid();
    vexor::registry::closeStore();
    const std::uint64_t start = vexor::registry::testing::operationCount();
    std::uint64_t operations = 0;
    m_script.expectDialog(IDD_ADMINLOGIN, [&](DialogDriver& d) {
        operations = vexor::registry::testing::operationCount() - start;
        const auto tryLogin = [&](const char* entry) {
            d.replaceText(kLoginPassword, entry);
            m_script.expectMessageBox("Anmeldemeldung", kLoginFailed, MB_OK | MB_ICONEXCLAMATION).thenPress(IDOK);
            d.enter();
        };
        const std::uint64_t loginStart = vexor::registry::testing::operationCount();
        tryLogin("falsch");
        const std::uint64_t loginOperations = vexor::registry::testing::operationCount() - loginStart;
        ASSERT_GE(loginOperations, 2u);
        for (std::uint64_t k = 1; k <= loginOperations; ++k)
            for (const char* entry : {"", "Geheim"}) {
                vexor::registry::testing::failAtOperation(k, ERROR_CANTREAD);
                tryLogin(entry);
                vexor::registry::testing::clearFaults();
            }
        d.replaceText(kLoginPassword, "Geheim");
        ExpectMainDialog();
        d.enter();
    });
    Start();
    ASSERT_GE(operations, 2u);
    for (std::uint64_t k = 1; k <= operations; ++k) {
        vexor::registry::closeStore();
        vexor::registry::testing::failAtOperation(k, ERROR_BUSY);
        ExpectUnreadableStore("Die Registrierungsdatenbank ist von einem anderen Programm gesperrt. (Fehler 170)");
        EXPECT_FALSE(Start()) << "failure at operation " << k;
        vexor::registry::testing::clearFaults();
    }
    EXPECT_EQ(ExportClsid(), before);
}

TEST_F(StartUp, ACancelledLoginEndsWithCodeZeroAndWritesNothing) {
    Import(kSettingsOnReg + kAdminReg);
    const std::string before = ExportClsid();
    EXPECT_EXIT(
        {
            ModalScript script;
            script.expectDialog(IDD_ADMINLOGIN, [](DialogDriver& d) {
                d.typeText(kLoginPassword, "falsch");
                d.escape();
            });
            Start();
            std::exit(3); // not reached: the main dialog never opens
        },
        ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(ExportClsid(), before);
}

TEST_F(StartUp, AVanishedAdministratorResetsStoreAndSettingsAfterAWarning) {
    Import(std::string(kSettingsOnReg) + "\"Theme\"=\"dunkel\"\n" + AccountReg("bob", 0, "Gast", ""));
    m_script.expectMessageBox("Achtung", kResetWarning, MB_OK | MB_ICONHAND).thenAnswer(ModalScript::Answer::CloseBox);
    ExpectMainDialog([](DialogDriver& d) { EXPECT_FALSE(d.isChecked(IDC_PROTECT)); });
    Start();
    EXPECT_EQ(ExportClsid(), "");

    ExpectMainDialog(); // the next start: no warning, no login
    Start();
}

// A damaged store must not pass for "no setting": that would open the accounts without a login.
TEST_F(StartUp, ADamagedStoreIsReportedAndLeftAsItWas) {
    const std::string garbage = "SQLite format 3 - but not really, and no registry at all";
    writeFile(m_store.path(), garbage);
    vexor::registry::closeStore();
    ASSERT_EQ(vexor::registry::checkStore(), ERROR_BADDB);
    ExpectUnreadableStore(vexor::registry::lastStoreError());
    EXPECT_FALSE(Start());
    EXPECT_EQ(fileBytes(m_store.path()), garbage);
}

} // namespace
