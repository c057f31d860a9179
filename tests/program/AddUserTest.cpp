#include "tests/program/ProgramFixture.h"

#include "dialogs/DialogResults.h"

namespace {

using vexor::test::DialogDriver;

constexpr int kAdd = IDC_ADD;
constexpr int kName = IDC_USERNAME, kNeedsPassword = IDC_NEEDS_PASSWORD, kPassword = IDC_PASSWORD,
              kRepetition = IDC_REPEAT;

class AddUser : public ProgramTest {
  protected:
    AddUser() {
        OfferAccountNames({"jörg", "anna", "Bob"});
        Import(kSettingsOnReg + kAdminReg + AccountReg("Bob", 0, "Gast", ""));
    }

    // Opens the add-user dialog from the main dialog and lets the actions work in it.
    void RunAdd(const std::function<void(DialogDriver&)>& actions) {
        RunMainDialog([&](CTestAccessManagerDlg&, DialogDriver& d) {
            m_script.expectDialog(IDD_ADDUSER, actions);
            d.click(kAdd);
        });
    }
};

TEST_F(AddUser, APickedNameWithoutPasswordBecomesAGuest) {
    RunAdd([](DialogDriver& d) {
        EXPECT_FALSE(d.isEnabled(IDOK));
        EXPECT_FALSE(d.isEnabled(kPassword));
        EXPECT_FALSE(d.isEnabled(kRepetition));
        d.pickComboItem(kName, "jörg");
        EXPECT_EQ(d.text(kName), "jörg");
        EXPECT_TRUE(d.isEnabled(IDOK));
        d.click(IDOK);
    });
    EXPECT_EQ(ExportClsid(),
              ExportOf({kAdminReg, AccountReg("Bob", 0, "Gast", ""), AccountReg("jörg", 0, "Gast", "")}, kSettingsOnReg));
}

// Umlauts and ß go from the keys to the store unchanged, in the name and in the password.
TEST_F(AddUser, ATypedNameWithPasswordNeedsTwoEqualTextsAndUncheckedNone) {
    RunAdd([](DialogDriver& d) {
        d.typeText(kName, "Müller");
        EXPECT_TRUE(d.isEnabled(IDOK));
        d.click(kNeedsPassword);
        EXPECT_FALSE(d.isEnabled(IDOK));
        d.typeText(kPassword, "Schlüßel");
        d.typeText(kRepetition, "schlüßel"); // which texts agree is EntryRules' to test
        EXPECT_FALSE(d.isEnabled(IDOK));
        d.replaceText(kRepetition, "Schlüßel");
        EXPECT_TRUE(d.isEnabled(IDOK));
        d.replaceText(kName, "");
        EXPECT_FALSE(d.isEnabled(IDOK));
        d.typeText(kName, "Müller");
        d.click(IDOK);
    });
    EXPECT_NE(ExportClsid().find(AccountReg("Müller", 1, "Gast", "Schlüßel")), std::string::npos);
    // Unchecked again, the typed password stays but none is needed.
    RunAdd([](DialogDriver& d) {
        d.typeText(kName, "anna");
        d.click(kNeedsPassword);
        d.typeText(kPassword, "abc");
        d.click(kNeedsPassword);
        EXPECT_FALSE(d.isEnabled(kPassword));
        EXPECT_EQ(d.text(kPassword), "abc");
        EXPECT_TRUE(d.isEnabled(IDOK));
        d.click(IDOK);
    });
    EXPECT_EQ(g_bPasswordRequired, 0);
    EXPECT_NE(ExportClsid().find(AccountReg("anna", 0, "Gast", "abc")), std::string::npos);
}

// A name with "\" would become a nested key, and an existing name (in any letter case) would silently
// keep the old account or even rename the administrator's key: such names never become accounts. A
// cancel keeps the earlier dialog results and the store.
TEST_F(AddUser, NamesThatCannotBeNewAccountsKeepOkDisabledAndCancelKeepsEverything) {
    g_strUserName = "earlier";
    g_strPassword = "pw";
    g_bPasswordRequired = 1;
    const std::string before = ExportClsid();
    RunAdd([](DialogDriver& d) {
        for (const char* name : {"a\\b", "BOB", "administrator"}) { // the rule itself is EntryRules' to test
            d.replaceText(kName, name);
            EXPECT_FALSE(d.isEnabled(IDOK)) << name;
        }
        d.pickComboItem(kName, "Bob");
        EXPECT_FALSE(d.isEnabled(IDOK)) << "picked from the list, still an existing account";
        d.replaceText(kName, "neu");
        d.escape();
    });
    EXPECT_EQ(g_strUserName, "earlier");
    EXPECT_EQ(g_strPassword, "pw");
    EXPECT_EQ(g_bPasswordRequired, 1);
    EXPECT_EQ(ExportClsid(), before);
}

} // namespace
