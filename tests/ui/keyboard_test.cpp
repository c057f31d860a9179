// The dialog manager's keyboard: initial focus, tab order, Enter, Escape, the close box, mnemonics
// (the space bar on check boxes shows in the main dialog's protection switch).
#include "tests/ui/test_dialog.h"

#include <algorithm>
#include <ranges>

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

// The first tab stop takes the focus, and Tab follows template order past controls that can't take it.
TEST_F(KeyboardTest, TabFollowsTemplateOrderAndSkipsDisabledHiddenAndNonTabStops) {
    TestDialog dialog(kKeysDialog);
    EXPECT_EQ(run(dialog, [](DialogDriver& d) {
        EXPECT_EQ(d.focusedId(), IDOK);
        EXPECT_EQ(tabStops(d, 7, true), (std::vector<int>{IDCANCEL, kNameEdit, kRememberCheck, kDeleteButton,
                                                          kPasswordEdit, kReadOnlyEdit, IDOK}));
        EXPECT_EQ(tabStops(d, 7, false), (std::vector<int>{kReadOnlyEdit, kPasswordEdit, kDeleteButton,
                                                           kRememberCheck, kNameEdit, IDCANCEL, IDOK}));
    }), IDCANCEL);

    // Controls the program enables or shows are taken; a focus set in the handler stays when it
    // returns FALSE, and the program sees it at once.
    TestDialog changed(kKeysDialog);
    int focusDuringInit = 0;
    changed.init = [&](TestDialog& self) {
        self.GetDlgItem(kDisabledEdit)->EnableWindow(TRUE);
        self.GetDlgItem(kHiddenEdit)->ShowWindow(SW_SHOW);
        self.GetDlgItem(kRememberCheck)->EnableWindow(FALSE);
        self.GetDlgItem(kPasswordEdit)->SetFocus();
        focusDuringInit = CWnd::GetFocus() ? CWnd::GetFocus()->GetDlgCtrlID() : -1;
        return FALSE;
    };
    run(changed, [](DialogDriver& d) {
        EXPECT_EQ(d.focusedId(), kPasswordEdit);
        EXPECT_EQ(tabStops(d, 7, true), (std::vector<int>{kReadOnlyEdit, IDOK, IDCANCEL, kNameEdit,
                                                          kDisabledEdit, kHiddenEdit, kDeleteButton}));
    });
    EXPECT_EQ(focusDuringInit, kPasswordEdit);
}

// Enter in an edit runs the default button, as the login shows; on a push button it runs that one, and
// without a default button it means IDOK; neither Enter nor a mnemonic runs a disabled button. Escape
// cancels, as the program's dialogs show, also from their edits; so does the close box, unless the Cancel
// button is disabled. Every run ends with a click of the button whose code DoModal returns.
TEST_F(KeyboardTest, EnterAndTheCloseBoxRunTheButtonWindowsRuns) {
    struct Case {
        const char* what;
        UINT dialog;
        std::vector<int> disabled;
        std::function<void(TestDialog&, DialogDriver&)> act;
        INT_PTR result;
    };
    const Case cases[] = {
        {"Enter on a push button", kKeysDialog, {},
         [](TestDialog& dialog, DialogDriver& d) {
             tabStops(d, 4, true);
             ASSERT_EQ(d.focusedId(), kDeleteButton);
             d.enter();
             EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kDeleteButton}));
             tabStops(d, 3, false);
             ASSERT_EQ(d.focusedId(), IDCANCEL);
             d.enter();
         },
         IDCANCEL},
        {"disabled buttons", kKeysDialog, {IDOK, kDeleteButton},
         [](TestDialog& dialog, DialogDriver& d) {
             d.alt(u'l'); // while a button has the focus
             d.typeText(kNameEdit, "x");
             d.alt(u'l'); // while an edit has the focus: the letter is not typed either
             d.enter();
             EXPECT_EQ(d.text(kNameEdit), "x");
             EXPECT_EQ(std::ranges::count(dialog.commands, UINT{BN_CLICKED}, &Command::code), 0);
         },
         IDCANCEL},
        {"Enter without a default button", kNoDefaultDialog, {},
         [](TestDialog& dialog, DialogDriver& d) {
             EXPECT_EQ(d.focusedId(), IDOK);
             d.tab();
             ASSERT_EQ(d.focusedId(), kOtherButton);
             d.enter();
             EXPECT_EQ(dialog.commands.back(), (Command{BN_CLICKED, kOtherButton}));
             tabStops(d, 2, true);
             ASSERT_EQ(d.focusedId(), kPlainCheck);
             d.enter();
         },
         IDOK},
        {"the close box", kKeysDialog, {}, [](TestDialog&, DialogDriver& d) { d.closeBox(); }, IDCANCEL},
        {"the close box with Cancel disabled", kKeysDialog, {IDCANCEL},
         [](TestDialog&, DialogDriver& d) {
             d.closeBox();
             ASSERT_TRUE(d.isOpen());
             d.click(IDOK);
         },
         IDOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TestDialog dialog(c.dialog);
        dialog.init = [&c](TestDialog& self) {
            for (int id : c.disabled)
                self.GetDlgItem(id)->EnableWindow(FALSE);
            return TRUE;
        };
        EXPECT_EQ(run(dialog, [&](DialogDriver& d) { c.act(dialog, d); }), c.result);
        // Windows' edits also tell of losing the focus (EN_KILLFOCUS) as the dialog closes, after the
        // click; the Qt backend sends no focus notifications, which the program doesn't ask for.
        const auto clicks = dialog.commands | std::views::reverse;
        const auto click = std::ranges::find(clicks, UINT{BN_CLICKED}, &Command::code);
        ASSERT_NE(click, clicks.end());
        EXPECT_EQ(click->id, static_cast<int>(c.result));
    }
}

TEST_F(KeyboardTest, MnemonicsClickButtonsToggleCheckBoxesAndFocusTheControlAfterAStatic) {
    TestDialog dialog(kKeysDialog);
    run(dialog, [&](DialogDriver& d) {
        ASSERT_EQ(d.focusedId(), IDOK);
        d.type("m"); // a plain letter is a mnemonic while a button has the focus
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
        if (runsOnWine()) {
            // Wine's dialog manager ignores case only for ASCII letters; Windows and the Qt backend
            // for every letter.
            EXPECT_EQ(d.focusedId(), kRememberCheck);
            d.alt(u'\u00DC');
        }
        EXPECT_EQ(d.focusedId(), kPasswordEdit);
    });
}

} // namespace
} // namespace vexor::test
