#include "tests/program/ProgramFixture.h"

#include "store/TextResources.h"

namespace {

using vexor::test::DialogDriver;

constexpr int kList = IDC_USERLIST, kPasswordCommand = IDC_SETPASSWORD;
constexpr int kNewPassword = IDC_NEW_PASSWORD, kConfirmation = IDC_CONFIRM_PASSWORD,
              kNeedsPassword = IDC_SETPW_NEEDS_PASSWORD;

class SetPassword : public ProgramTest {
  protected:
    SetPassword() {
        Import(std::string(kSettingsOnReg) + AccountReg("Administrator", 1, "Administrator", "alt") +
               AccountReg("50%s", 0, "Gast", "x"));
    }

    // Selects a row (or none), opens the password dialog and lets the actions work in it.
    void RunPassword(int row, const std::function<void(DialogDriver&)>& actions) {
        RunMainDialog([&](CTestAccessManagerDlg&, DialogDriver& d) {
            if (row >= 0)
                d.selectListRow(kList, row);
            m_script.expectDialog(IDD_SETPASSWORD, actions);
            d.click(kPasswordCommand);
        });
    }
};

// List order is the reverse of the store's: row 0 "Administrator", row 1 "50%s".
TEST_F(SetPassword, TheAdministratorsPasswordChangesOnOkOnly) {
    const std::string before = ExportClsid();
    const auto typeNew = [](DialogDriver& d) {
        d.typeText(kNewPassword, "neu");
        d.typeText(kConfirmation, "neu");
    };
    RunPassword(0, [&](DialogDriver& d) {
        typeNew(d);
        d.click(IDCANCEL);
    });
    EXPECT_EQ(ExportClsid(), before);
    RunPassword(0, [&](DialogDriver& d) {
        EXPECT_EQ(d.caption(), "Kennwort festlegen für Administrator");
        EXPECT_TRUE(d.isChecked(kNeedsPassword));
        typeNew(d);
        d.click(IDOK);
    });
    EXPECT_NE(ExportClsid().find(AccountReg("Administrator", 1, "Administrator", "neu")), std::string::npos);
}

// Unchecked, OK stores an empty password at once; checked, it waits for two equal ones.
TEST_F(SetPassword, AnAccountWithoutPasswordGetsAnEmptyOneOrTwoEqualOnesWhenChecked) {
    RunPassword(1, [](DialogDriver& d) {
        EXPECT_EQ(d.caption(), "Kennwort festlegen für 50%s");
        EXPECT_FALSE(d.isChecked(kNeedsPassword));
        EXPECT_FALSE(d.isEnabled(kNewPassword));
        EXPECT_TRUE(d.isEnabled(IDOK));
        d.click(IDOK);
    });
    EXPECT_NE(ExportClsid().find(AccountReg("50%s", 0, "Gast", "")), std::string::npos);
    RunPassword(1, [](DialogDriver& d) {
        d.click(kNeedsPassword);
        EXPECT_FALSE(d.isEnabled(IDOK));
        d.typeText(kNewPassword, "Ab");
        d.typeText(kConfirmation, "Ab");
        d.click(IDOK);
    });
    EXPECT_NE(ExportClsid().find(AccountReg("50%s", 1, "Gast", "Ab")), std::string::npos);
}

TEST_F(SetPassword, WithoutASelectionNoRowChangesButTheListIsSaved) {
    Import("[HKEY_CLASSES_ROOT\\CLSID\\{4F1A6B2E-93C7-4E58-A0D4-7B2C5E9F1163}\\50%s]\n\"Extra\"=\"weg\"\n");
    RunPassword(-1, [](DialogDriver& d) {
        EXPECT_EQ(d.caption(), "Kennwort festlegen für ");
        d.click(IDOK);
    });
    EXPECT_EQ(ExportClsid(),
              ExportOf({AccountReg("50%s", 0, "Gast", "x"), AccountReg("Administrator", 1, "Administrator", "alt")},
                       kSettingsOnReg));
    // A caption's text is looked up by id; an id the table lacks gives no text, never a stray one.
    EXPECT_EQ(FormatText(4711, "x", __FILE__, __LINE__), "");
}

} // namespace
