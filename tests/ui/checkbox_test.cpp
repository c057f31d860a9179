// A check box bound to a member: the member is the control until the dialog closes, and the program's
// own SetCheck is silent. That the user's clicks and space bar reach the control before the dialog
// hears of them shows in the main dialog's switch, which saves only changes made by the user.
#include "tests/support/dialog_driver.h"
#include "tests/ui/test_dialog.h"

#include <gtest/gtest.h>

namespace vexor::test {
namespace {

class CheckDialog : public TestDialog {
  public:
    CheckDialog() : TestDialog(kCheckDialog) {}
    CButton m_check;

  protected:
    void DoDataExchange(CDataExchange* pDX) override { DDX_Control(pDX, kUserCheck, m_check); }
};

using CheckBoxTest = LayerTest;

TEST_F(CheckBoxTest, ABoundMembersSetCheckSendsNoClickAndTheMemberOutlivesItsWindowSafely) {
    CheckDialog dialog;
    dialog.init = [](TestDialog& self) {
        static_cast<CheckDialog&>(self).m_check.SetCheck(BST_CHECKED);
        return TRUE;
    };
    run(dialog, [&](DialogDriver& d) {
        EXPECT_EQ(dialog.GetDlgItem(kUserCheck), &dialog.m_check);
        EXPECT_EQ(dialog.m_check.GetDlgCtrlID(), kUserCheck);
        EXPECT_EQ(dialog.m_check.GetParent(), &dialog);
        EXPECT_EQ(dialog.m_check.GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_AUTOCHECKBOX));
        EXPECT_TRUE(d.isChecked(kUserCheck));
        dialog.m_check.SetCheck(BST_UNCHECKED);
        EXPECT_FALSE(d.isChecked(kUserCheck));
        dialog.m_check.SetCheck(2); // any non-zero state checks a two-state box
        EXPECT_EQ(dialog.m_check.GetCheck(), BST_CHECKED);
    });
    EXPECT_TRUE(dialog.codesFrom(kUserCheck).empty());
    // Closed: the member no longer has a window, and asking it is safe.
    EXPECT_EQ(dialog.m_check.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.m_check.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(dialog.m_check.GetWindowText(), "");
}

} // namespace
} // namespace vexor::test
