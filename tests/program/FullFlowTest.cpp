// The program from its first start to its close, as an administrator uses it once: protection on with
// the administrator's setup, an account added, given a password and deleted again; then a second start
// through the login. Besides checking the store, this is the run scripts/valgrind-flow.sh checks for
// leaks, so it goes through every dialog the program has.
#include "tests/program/ProgramFixture.h"

#include "app/AccessManagerApp.h"

namespace {

using vexor::test::DialogDriver;

constexpr int kList = IDC_USERLIST, kAdd = IDC_ADD, kDelete = IDC_DELETE, kSwitch = IDC_PROTECT,
              kPasswordCommand = IDC_SETPASSWORD;
constexpr int kAdminPassword = IDC_PASSWORD, kAdminRepetition = IDC_REPEAT;
constexpr int kUserName = IDC_USERNAME, kUserNeedsPassword = IDC_NEEDS_PASSWORD, kUserPassword = IDC_PASSWORD,
              kUserRepetition = IDC_REPEAT;
constexpr int kNewPassword = IDC_NEW_PASSWORD, kConfirmation = IDC_CONFIRM_PASSWORD,
              kNeedsPassword = IDC_SETPW_NEEDS_PASSWORD;
constexpr int kLoginPassword = IDC_LOGIN_PASSWORD;
constexpr int kAddAdminIdd = 134, kAddUserIdd = 130, kSetPasswordIdd = 136, kLoginIdd = 137;

class FullFlow : public ProgramTest {
  protected:
    FullFlow() {
        vexor::registry::setAccountSource([] { return std::vector<std::string>{"anna"}; });
    }
    ~FullFlow() override { vexor::registry::setAccountSource(nullptr); }

    static BOOL Start() {
        CAccessManagerApp app;
        return app.InitInstance();
    }

    void SwitchOnWithAdministrator(DialogDriver& d) {
        m_script.expectDialog(kAddAdminIdd, [](DialogDriver& admin) {
            admin.typeText(kAdminPassword, "Geheim");
            admin.typeText(kAdminRepetition, "Geheim");
            admin.click(IDOK);
        });
        d.click(kSwitch);
    }

    void AddGuestWithPassword(DialogDriver& d) {
        m_script.expectDialog(kAddUserIdd, [](DialogDriver& add) {
            add.pickComboItem(kUserName, "anna");
            add.click(kUserNeedsPassword);
            add.typeText(kUserPassword, "erst");
            add.typeText(kUserRepetition, "erst");
            add.click(IDOK);
        });
        d.click(kAdd);
    }

    // Accounts are listed in the reverse of the store's order: "anna" above "Administrator".
    void ChangeGuestPassword(DialogDriver& d) {
        d.selectListRow(kList, 0);
        m_script.expectDialog(kSetPasswordIdd, [](DialogDriver& set) {
            EXPECT_EQ(set.caption(), "Kennwort festlegen für anna");
            EXPECT_TRUE(set.isChecked(kNeedsPassword));
            set.typeText(kNewPassword, "neu");
            set.typeText(kConfirmation, "neu");
            set.click(IDOK);
        });
        d.click(kPasswordCommand);
    }
};

TEST_F(FullFlow, FirstRunSetUpAddPasswordDeleteCloseAndLogInAgain) {
    m_script.expectDialog(CAccessManagerDlg::IDD, [this](DialogDriver& d) {
        SwitchOnWithAdministrator(d);
        AddGuestWithPassword(d);
        ChangeGuestPassword(d);
        d.selectListRow(kList, 0);
        d.click(kDelete);
        d.click(IDOK);
    });
    EXPECT_FALSE(Start());
    const std::string expected = ExportOf({AccountReg("Administrator", 1, "Administrator", "Geheim")}, kSettingsOnReg);
    EXPECT_EQ(ExportClsid(), expected);

    m_script.expectDialog(kLoginIdd, [this](DialogDriver& login) {
        login.typeText(kLoginPassword, "Geheim");
        m_script.expectDialog(CAccessManagerDlg::IDD, [](DialogDriver& d) {
            EXPECT_TRUE(d.isChecked(kSwitch));
            d.click(IDOK);
        });
        login.click(IDOK);
    });
    EXPECT_FALSE(Start());
    EXPECT_EQ(ExportClsid(), expected);
    EXPECT_TRUE(m_script.allMet());
}

} // namespace
