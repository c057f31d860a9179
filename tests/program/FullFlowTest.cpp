// The program from its first start to its close, as an administrator uses it once: protection on with
// the administrator's setup, an account added, given a password and deleted again; then a second start
// through the login. Besides checking the store, this is the run scripts/valgrind-flow.sh checks for
// leaks, so it goes through every dialog the program has.
#include "tests/program/ProgramFixture.h"


namespace {

using vexor::test::DialogDriver;

class FullFlow : public ProgramTest {
  protected:
    FullFlow() { OfferAccountNames({"anna"}); }

    void SwitchOnWithAdministrator(DialogDriver& d) {
        m_script.expectDialog(IDD_ADDADMIN, [](DialogDriver& admin) {
            EXPECT_EQ(admin.text(IDC_ADMINNAME), "Administrator");
            EXPECT_FALSE(admin.isEnabled(IDOK));
            admin.typeText(IDC_PASSWORD, "Geheim");
            admin.typeText(IDC_REPEAT, "Geheim");
            EXPECT_TRUE(admin.isEnabled(IDOK));
            admin.click(IDOK);
        });
        d.click(IDC_PROTECT);
    }

    void AddGuestWithPassword(DialogDriver& d) {
        m_script.expectDialog(IDD_ADDUSER, [](DialogDriver& add) {
            add.pickComboItem(IDC_USERNAME, "anna");
            add.click(IDC_NEEDS_PASSWORD);
            add.typeText(IDC_PASSWORD, "erst");
            add.typeText(IDC_REPEAT, "erst");
            add.click(IDOK);
        });
        d.click(IDC_ADD);
    }

    // Accounts are listed in the reverse of the store's order: "anna" above "Administrator".
    void ChangeGuestPassword(DialogDriver& d) {
        d.selectListRow(IDC_USERLIST, 0);
        m_script.expectDialog(IDD_SETPASSWORD, [](DialogDriver& set) {
            set.typeText(IDC_NEW_PASSWORD, "neu");
            set.typeText(IDC_CONFIRM_PASSWORD, "neu");
            set.click(IDOK);
        });
        d.click(IDC_SETPASSWORD);
    }
};

TEST_F(FullFlow, FirstRunSetUpAddPasswordDeleteCloseAndLogInAgain) {
    m_script.expectDialog(CAccessManagerDlg::IDD, [this](DialogDriver& d) {
        SwitchOnWithAdministrator(d);
        AddGuestWithPassword(d);
        ChangeGuestPassword(d);
        d.selectListRow(IDC_USERLIST, 0);
        d.click(IDC_DELETE);
        d.click(IDOK);
    });
    EXPECT_FALSE(Start());
    const std::string expected = ExportOf({AccountReg("Administrator", 1, "Administrator", "Geheim")}, kSettingsOnReg);
    EXPECT_EQ(ExportClsid(), expected);

    m_script.expectDialog(IDD_ADMINLOGIN, [this](DialogDriver& login) {
        login.typeText(IDC_LOGIN_PASSWORD, "Geheim");
        m_script.expectDialog(CAccessManagerDlg::IDD, [](DialogDriver& d) {
            EXPECT_TRUE(d.isChecked(IDC_PROTECT));
            d.click(IDOK);
        });
        login.click(IDOK);
    });
    EXPECT_FALSE(Start());
    EXPECT_EQ(ExportClsid(), expected);
}

} // namespace
