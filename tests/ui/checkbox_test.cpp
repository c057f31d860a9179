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

// A release over the box toggles it as the user's change, seen by the object before the click reaches
// the dialog; a press over the box released beside it is seen too, and changes nothing.
TEST_F(CheckBoxTest, AMouseReleaseReachesTheObjectBeforeTheClick) {
    for (bool over : {true, false}) {
        SCOPED_TRACE(over ? "released over the box" : "released beside it");
        CheckDialog dialog;
        run(dialog, [&](DialogDriver& d) {
            over ? d.click(kUserCheck) : d.pressAndReleaseOutside(kUserCheck);
            EXPECT_EQ(d.isChecked(kUserCheck), over);
        });
        EXPECT_EQ(dialog.m_check.releases, 1);
        EXPECT_EQ(dialog.m_check.changed, over);
        EXPECT_EQ(dialog.changedWhenClicked, std::vector<bool>(over ? 1 : 0, true));
        EXPECT_EQ(dialog.checkWhenClicked, std::vector<int>(over ? 1 : 0, BST_CHECKED));
    }
}

TEST_F(CheckBoxTest, TheSpaceBarTogglesTheFocusedBoxEachTimeAsAUserChange) {
    CheckDialog dialog;
    run(dialog, [&](DialogDriver& d) {
        d.tab();
        ASSERT_EQ(d.focusedId(), kUserCheck);
        d.space();
        EXPECT_TRUE(d.isChecked(kUserCheck));
        d.space();
        EXPECT_FALSE(d.isChecked(kUserCheck));
    });
    EXPECT_EQ(dialog.codesFrom(kUserCheck), (std::vector<UINT>{BN_CLICKED, BN_CLICKED}));
    EXPECT_EQ(dialog.changedWhenClicked, (std::vector<bool>{true, true}));
    EXPECT_EQ(dialog.checkWhenClicked, (std::vector<int>{BST_CHECKED, BST_UNCHECKED}));
}

// A bound member is the control until the dialog closes; the program's SetCheck sends no click and is
// no user change.
TEST_F(CheckBoxTest, ABoundMembersSetCheckSendsNoClickAndIsNoUserChange) {
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
    EXPECT_FALSE(dialog.m_check.changed);
    // Closed: the member no longer has a window, and asking it is safe.
    EXPECT_EQ(dialog.m_check.GetSafeHwnd(), nullptr);
    EXPECT_EQ(dialog.m_check.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(dialog.m_check.GetWindowText(), "");
}

} // namespace
} // namespace vexor::test
