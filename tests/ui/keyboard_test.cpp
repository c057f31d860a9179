// The dialog manager's keyboard: initial focus, tab order, Enter, Escape, the close box, mnemonics.
#include "tests/support/dialog_driver.h"
#include "tests/ui/test_dialog.h"

#include <gtest/gtest.h>

#include <QWidget>

namespace vexor::test {
namespace {

using KeyboardTest = LayerTest;

std::vector<int> tabStops(DialogDriver& d, int steps, bool forward) {
    std::vector<int> seen;
    for (int i = 0; i < steps; ++i) {
        forward ? d.tab() : d.shiftTab();
        seen.push_back(d.focusedId());
    }
    return seen;
}

TEST_F(KeyboardTest, InitialFocusGoesToTheFirstTabStopWhenInitReturnsTrue) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [](DialogDriver& d) {
        EXPECT_EQ(d.focusedId(), IDOK);
        d.escape();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(KeyboardTest, InitialFocusStaysWhereInitPutItWhenItReturnsFalse) {
    TestDialog dialog(kKeysDialog);
    int focusDuringInit = 0; // the focus object belongs to the dialog and ends with it
    dialog.init = [&](TestDialog& self) {
        self.GetDlgItem(kPasswordEdit)->SetFocus();
        focusDuringInit = CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : -1;
        return FALSE;
    };
    script.expectDialog(kKeysDialog, [](DialogDriver& d) {
        EXPECT_EQ(d.focusedId(), kPasswordEdit);
        d.escape();
    });
    dialog.DoModal();
    EXPECT_EQ(focusDuringInit, kPasswordEdit);
}

TEST_F(KeyboardTest, TabFollowsTemplateOrderAndSkipsDisabledHiddenAndNonTabStops) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [](DialogDriver& d) {
        const std::vector<int> forward{IDCANCEL, kNameEdit, kRememberCheck, kDeleteButton, kPasswordEdit, kReadOnlyEdit, IDOK};
        EXPECT_EQ(tabStops(d, 7, true), forward);
        const std::vector<int> backward{kReadOnlyEdit, kPasswordEdit, kDeleteButton, kRememberCheck, kNameEdit, IDCANCEL, IDOK};
        EXPECT_EQ(tabStops(d, 7, false), backward);
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(KeyboardTest, TabTakesControlsThatTheProgramEnablesOrShows) {
    TestDialog dialog(kKeysDialog);
    dialog.init = [](TestDialog& self) {
        self.GetDlgItem(kDisabledEdit)->EnableWindow(TRUE);
        self.GetDlgItem(kHiddenEdit)->ShowWindow(SW_SHOW);
        self.GetDlgItem(kRememberCheck)->EnableWindow(FALSE);
        return TRUE;
    };
    script.expectDialog(kKeysDialog, [](DialogDriver& d) {
        const std::vector<int> forward{IDCANCEL, kNameEdit, kDisabledEdit, kHiddenEdit, kDeleteButton};
        EXPECT_EQ(tabStops(d, 5, true), forward);
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(KeyboardTest, EnterInAnEditRunsTheDefaultButton) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [](DialogDriver& d) {
        d.typeText(kNameEdit, "x");
        d.enter();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, IDOK}));
}

TEST_F(KeyboardTest, EnterOnAFocusedPushButtonClicksThatButton) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [&](DialogDriver& d) {
        d.tab(); // Abbrechen ... then on to Löschen
        d.tab();
        d.tab();
        d.tab();
        ASSERT_EQ(d.focusedId(), kDeleteButton);
        d.enter();
        EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kDeleteButton}));
        d.shiftTab();
        d.shiftTab();
        d.shiftTab();
        ASSERT_EQ(d.focusedId(), IDCANCEL);
        d.enter();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(KeyboardTest, EnterDoesNothingWhileTheDefaultButtonIsDisabled) {
    TestDialog dialog(kKeysDialog);
    dialog.init = [](TestDialog& self) {
        self.GetDlgItem(IDOK)->EnableWindow(FALSE);
        return TRUE;
    };
    script.expectDialog(kKeysDialog, [&](DialogDriver& d) {
        d.typeText(kNameEdit, "x");
        const std::size_t before = dialog.commands.size();
        d.enter();
        EXPECT_EQ(dialog.commands.size(), before);
        d.escape();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(KeyboardTest, WithoutADefaultButtonEnterMeansIdokUnlessAPushButtonHasTheFocus) {
    TestDialog dialog(kNoDefaultDialog);
    script.expectDialog(kNoDefaultDialog, [&](DialogDriver& d) {
        EXPECT_EQ(d.focusedId(), IDOK);
        d.tab();
        ASSERT_EQ(d.focusedId(), kOtherButton);
        d.enter();
        EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kOtherButton}));
        d.tab();
        d.tab();
        ASSERT_EQ(d.focusedId(), kPlainCheck);
        d.enter();
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(KeyboardTest, EscapeCancels) {
    TestDialog dialog(kNoDefaultDialog);
    script.expectDialog(kNoDefaultDialog, [](DialogDriver& d) {
        d.typeText(kPlainEdit, "abc");
        d.escape();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, IDCANCEL}));
}

TEST_F(KeyboardTest, TheCloseBoxCancelsUnlessTheCancelButtonIsDisabled) {
    TestDialog dialog(kKeysDialog);
    dialog.init = [](TestDialog& self) {
        self.GetDlgItem(IDCANCEL)->EnableWindow(FALSE);
        return TRUE;
    };
    script.expectDialog(kKeysDialog, [](DialogDriver& d) {
        d.closeBox();
        ASSERT_TRUE(d.window()->isVisible());
        d.click(IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);

    TestDialog plain(kKeysDialog);
    script.expectDialog(kKeysDialog, [](DialogDriver& d) { d.closeBox(); });
    EXPECT_EQ(plain.DoModal(), IDCANCEL);
}

TEST_F(KeyboardTest, AltMnemonicClicksAPushButtonAndTogglesACheckBox) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [&](DialogDriver& d) {
        d.alt(u'l');
        EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kDeleteButton}));
        d.alt(u'M');
        EXPECT_TRUE(d.isChecked(kRememberCheck));
        EXPECT_EQ(d.focusedId(), kRememberCheck);
        EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kRememberCheck}));
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(KeyboardTest, AStaticsMnemonicMovesTheFocusToTheControlAfterIt) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [](DialogDriver& d) {
        d.alt(u'n');
        EXPECT_EQ(d.focusedId(), kNameEdit);
        d.alt(u'\u00FC'); // "&Übrig:" labels the password edit
        EXPECT_EQ(d.focusedId(), kPasswordEdit);
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(KeyboardTest, APlainLetterIsAMnemonicWhileAButtonHasTheFocus) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [](DialogDriver& d) {
        ASSERT_EQ(d.focusedId(), IDOK);
        d.key(Qt::Key_M);
        EXPECT_TRUE(d.isChecked(kRememberCheck));
        d.typeText(kNameEdit, "m"); // in an edit the letter is text
        EXPECT_EQ(d.text(kNameEdit), "m");
        EXPECT_TRUE(d.isChecked(kRememberCheck));
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(KeyboardTest, ADisabledControlsMnemonicDoesNothing) {
    TestDialog dialog(kKeysDialog);
    dialog.init = [](TestDialog& self) {
        self.GetDlgItem(kDeleteButton)->EnableWindow(FALSE);
        return TRUE;
    };
    script.expectDialog(kKeysDialog, [&](DialogDriver& d) {
        const std::size_t before = dialog.commands.size();
        d.alt(u'l');
        EXPECT_EQ(dialog.commands.size(), before);
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(KeyboardTest, SpaceTogglesAFocusedCheckBox) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [&](DialogDriver& d) {
        d.tab();
        d.tab();
        d.tab();
        ASSERT_EQ(d.focusedId(), kRememberCheck);
        d.space();
        EXPECT_TRUE(d.isChecked(kRememberCheck));
        d.space();
        EXPECT_FALSE(d.isChecked(kRememberCheck));
        EXPECT_EQ(dialog.codesFrom(kRememberCheck), (std::vector<UINT>{BN_CLICKED, BN_CLICKED}));
        d.escape();
    });
    dialog.DoModal();
}

} // namespace
} // namespace vexor::test
