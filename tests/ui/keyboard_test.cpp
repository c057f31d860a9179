// The dialog manager's keyboard: initial focus, tab order, Enter, Escape, the close box, mnemonics
// (the space bar on check boxes: checkbox_test).
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

TEST_F(KeyboardTest, InitialFocusIsTheFirstTabStopUnlessInitSetItAndReturnedFalse) {
    TestDialog dialog(kKeysDialog);
    EXPECT_EQ(run(dialog, [](DialogDriver& d) { EXPECT_EQ(d.focusedId(), IDOK); }), IDCANCEL);

    TestDialog focusing(kKeysDialog);
    int focusDuringInit = 0; // the focus object belongs to the dialog and ends with it
    focusing.init = [&](TestDialog& self) {
        self.GetDlgItem(kPasswordEdit)->SetFocus();
        focusDuringInit = CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : -1;
        return FALSE;
    };
    run(focusing, [](DialogDriver& d) { EXPECT_EQ(d.focusedId(), kPasswordEdit); });
    EXPECT_EQ(focusDuringInit, kPasswordEdit);
}

TEST_F(KeyboardTest, TabFollowsTemplateOrderAndSkipsDisabledHiddenAndNonTabStops) {
    TestDialog dialog(kKeysDialog);
    run(dialog, [](DialogDriver& d) {
        EXPECT_EQ(tabStops(d, 7, true), (std::vector<int>{IDCANCEL, kNameEdit, kRememberCheck, kDeleteButton,
                                                          kPasswordEdit, kReadOnlyEdit, IDOK}));
        EXPECT_EQ(tabStops(d, 7, false), (std::vector<int>{kReadOnlyEdit, kPasswordEdit, kDeleteButton,
                                                           kRememberCheck, kNameEdit, IDCANCEL, IDOK}));
    });

    TestDialog changed(kKeysDialog); // controls the program enables or shows are taken
    changed.init = [](TestDialog& self) {
        self.GetDlgItem(kDisabledEdit)->EnableWindow(TRUE);
        self.GetDlgItem(kHiddenEdit)->ShowWindow(SW_SHOW);
        self.GetDlgItem(kRememberCheck)->EnableWindow(FALSE);
        return TRUE;
    };
    run(changed, [](DialogDriver& d) {
        EXPECT_EQ(tabStops(d, 5, true),
                  (std::vector<int>{IDCANCEL, kNameEdit, kDisabledEdit, kHiddenEdit, kDeleteButton}));
    });
}

// Enter in an edit runs the default button, as the login shows; on a push button it runs that one.
TEST_F(KeyboardTest, EnterRunsTheFocusedPushButtonRatherThanTheDefault) {
    TestDialog buttons(kKeysDialog);
    EXPECT_EQ(run(buttons,
                  [&](DialogDriver& d) {
                      tabStops(d, 4, true);
                      ASSERT_EQ(d.focusedId(), kDeleteButton);
                      d.enter();
                      EXPECT_EQ(buttons.commands.back(), (Command{BN_CLICKED, kDeleteButton}));
                      tabStops(d, 3, false);
                      ASSERT_EQ(d.focusedId(), IDCANCEL);
                      d.enter();
                  }),
              IDCANCEL);
}

TEST_F(KeyboardTest, NeitherEnterNorAMnemonicRunsADisabledButton) {
    TestDialog dialog(kKeysDialog);
    dialog.init = disabling({IDOK, kDeleteButton});
    EXPECT_EQ(run(dialog,
                  [&](DialogDriver& d) {
                      const std::size_t start = dialog.commands.size();
                      d.alt(u'l'); // while a button has the focus
                      EXPECT_EQ(dialog.commands.size(), start);
                      d.typeText(kNameEdit, "x");
                      d.alt(u'l'); // while an edit has the focus: the letter is not typed either
                      EXPECT_EQ(d.text(kNameEdit), "x");
                      const std::size_t before = dialog.commands.size();
                      d.enter();
                      EXPECT_EQ(dialog.commands.size(), before);
                  }),
              IDCANCEL);
}

TEST_F(KeyboardTest, WithoutADefaultButtonEnterMeansIdokUnlessAPushButtonHasTheFocus) {
    TestDialog dialog(kNoDefaultDialog);
    EXPECT_EQ(run(dialog,
                  [&](DialogDriver& d) {
                      EXPECT_EQ(d.focusedId(), IDOK);
                      d.tab();
                      ASSERT_EQ(d.focusedId(), kOtherButton);
                      d.enter();
                      EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kOtherButton}));
                      tabStops(d, 2, true);
                      ASSERT_EQ(d.focusedId(), kPlainCheck);
                      d.enter();
                  }),
              IDOK);
}

// Escape cancels, as the program's dialogs show, also from their edits; so does the close box, unless
// the Cancel button is disabled.
TEST_F(KeyboardTest, TheCloseBoxCancelsUnlessTheCancelButtonIsDisabled) {
    TestDialog plain(kKeysDialog);
    EXPECT_EQ(run(plain, [](DialogDriver& d) { d.closeBox(); }), IDCANCEL);
    EXPECT_EQ(plain.commands.back(), (Command{BN_CLICKED, IDCANCEL}));

    TestDialog noCancel(kKeysDialog);
    noCancel.init = disabling({IDCANCEL});
    EXPECT_EQ(run(noCancel,
                  [](DialogDriver& d) {
                      d.closeBox();
                      ASSERT_TRUE(d.window()->isVisible());
                      d.click(IDOK);
                  }),
              IDOK);
}

TEST_F(KeyboardTest, MnemonicsClickButtonsToggleCheckBoxesAndFocusTheControlAfterAStatic) {
    TestDialog dialog(kKeysDialog);
    run(dialog, [&](DialogDriver& d) {
        ASSERT_EQ(d.focusedId(), IDOK);
        d.key(Qt::Key_M); // a plain letter is a mnemonic while a button has the focus
        EXPECT_TRUE(d.isChecked(kRememberCheck));
        EXPECT_EQ(d.focusedId(), kRememberCheck);
        EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kRememberCheck}));
        d.alt(u'l');
        EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kDeleteButton}));
        d.alt(u'n');
        EXPECT_EQ(d.focusedId(), kNameEdit);
        d.type("m"); // in an edit the letter is text
        EXPECT_EQ(d.text(kNameEdit), "m");
        EXPECT_TRUE(d.isChecked(kRememberCheck));
        d.alt(u'M');
        EXPECT_FALSE(d.isChecked(kRememberCheck));
        EXPECT_EQ(d.focusedId(), kRememberCheck);
        EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kRememberCheck}));
        d.alt(u'\u00FC'); // "&Übrig:" labels the password edit
        EXPECT_EQ(d.focusedId(), kPasswordEdit);
    });
}

} // namespace
} // namespace vexor::test
