// What edits and combo boxes tell the dialog, and in which order; what they let the user type.
#include "tests/support/dialog_driver.h"
#include "tests/ui/test_dialog.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>

namespace vexor::test {
namespace {

using EditTest = LayerTest;
using ComboTest = LayerTest;

class ComboDialog : public TestDialog {
  public:
    ComboDialog() : TestDialog(kComboDialog) {
        init = [](TestDialog& self) {
            auto& dialog = static_cast<ComboDialog&>(self);
            for (const char* name : {"beta", "Alpha", "gamma", "Beta", "\xC3\x84rger"})
                dialog.indexes.push_back(dialog.m_narrow.AddString(name));
            dialog.m_narrow.AddString("Ein sehr langer Benutzername, der nicht ganz hineinpasst");
            return TRUE;
        };
        onCommand = [this](TestDialog&, Command command) {
            if (command.id == kNarrowCombo)
                textAt.push_back(m_narrow.GetWindowText());
        };
    }

    CComboBox m_narrow;
    CComboBox m_wide;
    std::vector<int> indexes;
    std::vector<std::string> textAt; // the combo's text when each of its notifications arrived

  protected:
    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kNarrowCombo, m_narrow);
        DDX_Control(pDX, kWideCombo, m_wide);
    }
};

TEST_F(EditTest, EveryChangeOfTheTextSendsEnChangeTheProgramsToo) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [&](DialogDriver& d) {
        d.typeText(kNameEdit, "Ab");
        EXPECT_EQ(dialog.codesFrom(kNameEdit), (std::vector<UINT>{EN_CHANGE, EN_CHANGE}));
        dialog.GetDlgItem(kNameEdit)->SetWindowText("Ab");
        dialog.GetDlgItem(kNameEdit)->SetWindowText("Cd");
        EXPECT_EQ(dialog.codesFrom(kNameEdit).size(), 4u);
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(EditTest, TypedUmlautsAndSignsComeBackAsUtf8) {
    TestDialog dialog(kKeysDialog);
    std::string typed;
    script.expectDialog(kKeysDialog, [&](DialogDriver& d) {
        d.typeText(kNameEdit, "J\xC3\xBCrgen Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC");
        typed = dialog.GetDlgItem(kNameEdit)->GetWindowText();
        EXPECT_EQ(dialog.GetDlgItem(kNameEdit)->GetWindowTextLength(), static_cast<int>(typed.size()));
        d.escape();
    });
    dialog.DoModal();
    EXPECT_EQ(typed, "J\xC3\xBCrgen Gr\xC3\xB6\xC3\x9F" "e \xE2\x82\xAC");
}

TEST_F(EditTest, APasswordEditMasksWhatIsTyped) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [&](DialogDriver& d) {
        d.typeText(kPasswordEdit, "geheim");
        auto* edit = qobject_cast<QLineEdit*>(d.control(kPasswordEdit));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        EXPECT_NE(edit->displayText(), QStringLiteral("geheim"));
        EXPECT_EQ(dialog.GetDlgItem(kPasswordEdit)->GetWindowText(), "geheim");
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(EditTest, AReadOnlyEditRefusesTypingAndPastingButCanBeCopied) {
    TestDialog dialog(kKeysDialog);
    script.expectDialog(kKeysDialog, [&](DialogDriver& d) {
        QApplication::clipboard()->setText(QStringLiteral("eingef\u00FCgt"));
        d.typeText(kReadOnlyEdit, "xyz");
        d.key(Qt::Key_V, Qt::ControlModifier);
        d.key(Qt::Key_Backspace);
        EXPECT_EQ(d.text(kReadOnlyEdit), "fest");
        d.key(Qt::Key_A, Qt::ControlModifier);
        d.key(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("fest"));
        d.escape();
    });
    dialog.DoModal();
    EXPECT_TRUE(dialog.codesFrom(kReadOnlyEdit).empty());
}

TEST_F(ComboTest, SortedAddingIgnoresCaseAndLeavesTheTextAlone) {
    ComboDialog dialog;
    script.expectDialog(kComboDialog, [&](DialogDriver& d) {
        EXPECT_EQ(dialog.indexes, (std::vector<int>{0, 0, 2, 2, 1}));
        const std::vector<std::string> expected{"Alpha", "\xC3\x84rger", "beta", "Beta", "Ein sehr langer Benutzername, der nicht ganz hineinpasst", "gamma"};
        std::vector<std::string> items;
        for (int i = 0; i < dialog.m_narrow.GetCount(); ++i)
            items.push_back(dialog.m_narrow.GetLBText(i));
        EXPECT_EQ(items[0], expected[0]);
        EXPECT_EQ(items[2], expected[2]);
        EXPECT_EQ(items[3], expected[3]);
        EXPECT_EQ(items.back(), expected.back());
        EXPECT_EQ(d.text(kNarrowCombo), "");
        EXPECT_EQ(dialog.m_narrow.GetCurSel(), CB_ERR);
        EXPECT_EQ(dialog.m_narrow.GetLBText(99), "");
        EXPECT_EQ(dialog.m_narrow.GetLBText(-1), "");
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(ComboTest, TypingSendsEditUpdateThenEditChangeForEachCharacter) {
    ComboDialog dialog;
    script.expectDialog(kComboDialog, [&](DialogDriver& d) {
        d.typeText(kNarrowCombo, "Al");
        EXPECT_EQ(dialog.codesFrom(kNarrowCombo),
                  (std::vector<UINT>{CBN_SETFOCUS, CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_EDITUPDATE, CBN_EDITCHANGE}));
        EXPECT_EQ(dialog.textAt.back(), "Al");
        EXPECT_EQ(dialog.m_narrow.GetCurSel(), CB_ERR);
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(ComboTest, PickingWithTheMouseSendsSelEndOkCloseUpSelChangeWithTheTextInPlace) {
    ComboDialog dialog;
    script.expectDialog(kComboDialog, [&](DialogDriver& d) {
        d.pickComboItem(kNarrowCombo, "gamma");
        const std::vector<UINT> codes = dialog.codesFrom(kNarrowCombo);
        const std::vector<UINT> tail(codes.end() - 3, codes.end());
        EXPECT_EQ(tail, (std::vector<UINT>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
        EXPECT_NE(std::find(codes.begin(), codes.end(), CBN_DROPDOWN), codes.end());
        EXPECT_EQ(dialog.textAt.back(), "gamma");
        EXPECT_EQ(*(dialog.textAt.end() - 3), "gamma");
        EXPECT_EQ(dialog.m_narrow.GetCurSel(), 5);
        EXPECT_FALSE(dialog.m_narrow.GetDroppedState());
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(ComboTest, ClosingTheListWithoutAPickSendsSelEndCancelAndCloseUp) {
    ComboDialog dialog;
    script.expectDialog(kComboDialog, [&](DialogDriver& d) {
        d.typeText(kNarrowCombo, "x");
        dialog.commands.clear();
        d.key(Qt::Key_F4);
        EXPECT_TRUE(dialog.m_narrow.GetDroppedState());
        d.key(Qt::Key_Escape);
        EXPECT_FALSE(dialog.m_narrow.GetDroppedState());
        EXPECT_EQ(dialog.codesFrom(kNarrowCombo), (std::vector<UINT>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
        EXPECT_EQ(d.text(kNarrowCombo), "x");
        ASSERT_TRUE(d.window()->isVisible()); // Escape closed the list, not the dialog
        d.escape();
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST_F(ComboTest, ArrowKeysOnAClosedBoxSelectAndNotify) {
    ComboDialog dialog;
    script.expectDialog(kComboDialog, [&](DialogDriver& d) {
        d.typeText(kNarrowCombo, "");
        dialog.commands.clear();
        d.key(Qt::Key_Down);
        EXPECT_EQ(dialog.codesFrom(kNarrowCombo), (std::vector<UINT>{CBN_SELENDOK, CBN_SELCHANGE}));
        EXPECT_EQ(d.text(kNarrowCombo), "Alpha");
        d.key(Qt::Key_Down);
        EXPECT_EQ(dialog.m_narrow.GetCurSel(), 1);
        d.key(Qt::Key_Up);
        d.key(Qt::Key_Up); // already at the top: nothing more
        EXPECT_EQ(dialog.codesFrom(kNarrowCombo).size(), 6u);
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(ComboTest, WithoutAutoHScrollTypingStopsAtTheVisibleWidthButAPickIsTakenWhole) {
    ComboDialog dialog;
    const std::string longName = "Ein sehr langer Benutzername, der nicht ganz hineinpasst";
    script.expectDialog(kComboDialog, [&](DialogDriver& d) {
        d.typeText(kNarrowCombo, longName);
        const std::string typed = d.text(kNarrowCombo);
        EXPECT_LT(typed.size(), longName.size());
        EXPECT_EQ(typed.substr(0, 8), "Ein sehr");
        d.typeText(kWideCombo, longName);
        EXPECT_EQ(d.text(kWideCombo), longName);
        d.pickComboItem(kNarrowCombo, longName);
        EXPECT_EQ(d.text(kNarrowCombo), longName);
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(ComboTest, SetCurSelOutOfRangeClearsTheSelectionAndFails) {
    ComboDialog dialog;
    script.expectDialog(kComboDialog, [&](DialogDriver& d) {
        EXPECT_EQ(dialog.m_narrow.SetCurSel(2), 2);
        EXPECT_EQ(d.text(kNarrowCombo), "beta");
        EXPECT_EQ(dialog.m_narrow.SetCurSel(42), CB_ERR);
        EXPECT_EQ(dialog.m_narrow.GetCurSel(), CB_ERR);
        EXPECT_EQ(d.text(kNarrowCombo), "");
        EXPECT_TRUE(dialog.codesFrom(kNarrowCombo).empty()); // the program's selection is silent
        d.escape();
    });
    dialog.DoModal();
}

TEST_F(ComboTest, TypingDoesNotTakeOverTheCaseOfAMatchingItem) {
    ComboDialog dialog;
    std::string name;
    script.expectDialog(kComboDialog, [&](DialogDriver& d) {
        d.typeText(kNarrowCombo, "alpha");
        d.tab(); // leaving the box must not re-case the text to the item "Alpha"
        name = dialog.m_narrow.GetWindowText();
        d.escape();
    });
    dialog.DoModal();
    EXPECT_EQ(name, "alpha");
}

} // namespace
} // namespace vexor::test
