// A check box's mouse release and space release reach the control object before the box acts, so a
// derived class can tell the user's changes from the program's.
#include "tests/support/dialog_driver.h"
#include "tests/ui/test_dialog.h"

#include <gtest/gtest.h>

namespace vexor::test {
namespace {

// Marks a change as the user's the way a registry-bound switch does: a release over the box, or the
// space bar's release.
class UserChangeButton : public CButton {
  public:
    bool changed = false;
    int releases = 0;
    POINT lastCursor{};

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        if (message == WM_LBUTTONUP) {
            ++releases;
            RECT rect{};
            GetCursorPos(&lastCursor);
            GetWindowRect(&rect);
            if (lastCursor.x >= rect.left && lastCursor.x <= rect.right && lastCursor.y >= rect.top &&
                lastCursor.y <= rect.bottom)
                changed = true;
        }
        if (message == WM_KEYUP && wParam == VK_SPACE)
            changed = true;
        return CButton::OnWndMsg(message, wParam, lParam, pResult);
    }
};

class CheckDialog : public TestDialog {
  public:
    CheckDialog() : TestDialog(kCheckDialog) {
        onCommand = [this](TestDialog&, Command command) {
            if (command == Command{BN_CLICKED, kUserCheck}) {
                changedWhenClicked.push_back(m_check.changed);
                checkWhenClicked.push_back(m_check.GetCheck());
            }
        };
    }

    UserChangeButton m_check;
    std::vector<bool> changedWhenClicked;
    std::vector<int> checkWhenClicked;

  protected:
    void DoDataExchange(CDataExchange* pDX) override {
        TestDialog::DoDataExchange(pDX);
        DDX_Control(pDX, kUserCheck, m_check);
    }
};

using CheckBoxTest = LayerTest;

TEST_F(CheckBoxTest, AReleaseOverTheBoxTogglesItAndReachesTheObjectFirst) {
    CheckDialog dialog;
    script.expectDialog(kCheckDialog, [&](DialogDriver& d) {
        d.click(kUserCheck);
        EXPECT_TRUE(d.isChecked(kUserCheck));
        d.escape();
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.m_check.releases, 1);
    EXPECT_EQ(dialog.changedWhenClicked, std::vector<bool>{true});
    EXPECT_EQ(dialog.checkWhenClicked, std::vector<int>{BST_CHECKED});
}

TEST_F(CheckBoxTest, APressOverTheBoxReleasedOutsideChangesNothing) {
    CheckDialog dialog;
    script.expectDialog(kCheckDialog, [&](DialogDriver& d) {
        d.pressAndReleaseOutside(kUserCheck);
        EXPECT_FALSE(d.isChecked(kUserCheck));
        d.escape();
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.m_check.releases, 1); // the release is seen, with the cursor beside the box
    EXPECT_FALSE(dialog.m_check.changed);
    EXPECT_TRUE(dialog.changedWhenClicked.empty());
}

TEST_F(CheckBoxTest, TheSpaceBarTogglesTheFocusedBoxAsAUserChange) {
    CheckDialog dialog;
    script.expectDialog(kCheckDialog, [&](DialogDriver& d) {
        d.tab();
        ASSERT_EQ(d.focusedId(), kUserCheck);
        d.space();
        EXPECT_TRUE(d.isChecked(kUserCheck));
        d.escape();
    });
    dialog.DoModal();
    EXPECT_EQ(dialog.changedWhenClicked, std::vector<bool>{true});
}

TEST_F(CheckBoxTest, TheProgramsSetCheckSendsNoClickAndIsNoUserChange) {
    CheckDialog dialog;
    dialog.init = [](TestDialog& self) {
        static_cast<CheckDialog&>(self).m_check.SetCheck(BST_CHECKED);
        return TRUE;
    };
    script.expectDialog(kCheckDialog, [&](DialogDriver& d) {
        EXPECT_TRUE(d.isChecked(kUserCheck));
        dialog.m_check.SetCheck(BST_UNCHECKED);
        EXPECT_FALSE(d.isChecked(kUserCheck));
        dialog.m_check.SetCheck(2); // any non-zero state checks a two-state box
        EXPECT_EQ(dialog.m_check.GetCheck(), BST_CHECKED);
        d.escape();
    });
    dialog.DoModal();
    EXPECT_TRUE(dialog.codesFrom(kUserCheck).empty());
    EXPECT_FALSE(dialog.m_check.changed);
}

TEST_F(CheckBoxTest, ABoundMemberIsTheControlUntilTheDialogCloses) {
    CheckDialog dialog;
    script.expectDialog(kCheckDialog, [&](DialogDriver& d) {
        EXPECT_EQ(dialog.GetDlgItem(kUserCheck), &dialog.m_check);
        EXPECT_EQ(dialog.m_check.GetDlgCtrlID(), kUserCheck);
        EXPECT_EQ(dialog.m_check.GetParent(), &dialog);
        EXPECT_EQ(dialog.m_check.GetButtonStyle() & BS_TYPEMASK, static_cast<UINT>(BS_AUTOCHECKBOX));
        d.click(kUserCheck);
        d.escape();
    });
    dialog.DoModal();
    // Closed: the member no longer has a window, and asking it is safe.
    EXPECT_EQ(dialog.m_check.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.m_check.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(dialog.m_check.GetWindowText(), "");
}

} // namespace
} // namespace vexor::test
