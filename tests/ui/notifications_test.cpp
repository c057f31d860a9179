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

constexpr const char* kLongName = "Ein sehr langer Benutzername, der nicht ganz hineinpasst";

class ComboDialog : public TestDialog {
  public:
    ComboDialog() : TestDialog(kComboDialog) {
        init = [](TestDialog& self) {
            auto& dialog = static_cast<ComboDialog&>(self);
            for (const char* name : {"beta", "Alpha", "gamma", "Beta", "\xC3\x84rger"})
                dialog.indexes.push_back(dialog.m_narrow.AddString(name));
            dialog.m_narrow.AddString(kLongName);
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

TEST_F(EditTest, EveryChangeOfTheTextSendsEnChangeTheProgramsTooAndTypedTextComesBackAsUtf8) {
    TestDialog dialog(kKeysDialog);
    const std::string typed = "J\xC3\xBCrgen Gr\xC3\xB6\xC3\x9F"
                              "e \xE2\x82\xAC";
    run(dialog, [&](DialogDriver& d) {
        CWnd* edit = dialog.GetDlgItem(kNameEdit);
        d.typeText(kNameEdit, "Ab");
        edit->SetWindowText("Ab"); // the same text: still a change
        edit->SetWindowText("");
        EXPECT_EQ(dialog.codesFrom(kNameEdit), std::vector<UINT>(4, EN_CHANGE));
        d.typeText(kNameEdit, typed);
        EXPECT_EQ(edit->GetWindowText(), typed);
        EXPECT_EQ(edit->GetWindowTextLength(), static_cast<int>(typed.size()));
    });
}

TEST_F(EditTest, APasswordEditMasksWhatIsTypedAndAReadOnlyOneRefusesTypingAndPastingButCopies) {
    TestDialog dialog(kKeysDialog);
    run(dialog, [&](DialogDriver& d) {
        d.typeText(kPasswordEdit, "geheim");
        auto* edit = qobject_cast<QLineEdit*>(d.control(kPasswordEdit));
        ASSERT_NE(edit, nullptr);
        EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
        EXPECT_NE(edit->displayText(), QStringLiteral("geheim"));
        EXPECT_EQ(dialog.GetDlgItem(kPasswordEdit)->GetWindowText(), "geheim");

        QApplication::clipboard()->setText(QStringLiteral("eingef\u00FCgt"));
        d.typeText(kReadOnlyEdit, "xyz");
        d.key(Qt::Key_V, Qt::ControlModifier);
        d.key(Qt::Key_Backspace);
        EXPECT_EQ(d.text(kReadOnlyEdit), "fest");
        d.key(Qt::Key_A, Qt::ControlModifier);
        d.key(Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("fest"));
    });
    EXPECT_TRUE(dialog.codesFrom(kReadOnlyEdit).empty());
}

// What the program does to a combo box itself is silent: adding, and selecting, in range or not.
TEST_F(ComboTest, SortedAddingIgnoresCaseAndTheProgramsSelectionIsSilent) {
    ComboDialog dialog;
    run(dialog, [&](DialogDriver& d) {
        EXPECT_EQ(dialog.indexes, (std::vector<int>{0, 0, 2, 2, 1}));
        std::vector<std::string> items;
        for (int i = -1; i <= dialog.m_narrow.GetCount(); ++i) // one index out of range at each end
            items.push_back(dialog.m_narrow.GetLBText(i));
        EXPECT_EQ(items, (std::vector<std::string>{"", "Alpha", "\xC3\x84rger", "beta", "Beta", kLongName,
                                                   "gamma", ""}));
        EXPECT_EQ(dialog.m_narrow.GetCurSel(), CB_ERR);
        EXPECT_EQ(dialog.m_narrow.SetCurSel(2), 2);
        EXPECT_EQ(d.text(kNarrowCombo), "beta");
        EXPECT_EQ(dialog.m_narrow.SetCurSel(42), CB_ERR);
        EXPECT_EQ(dialog.m_narrow.GetCurSel(), CB_ERR);
        EXPECT_EQ(d.text(kNarrowCombo), "");
    });
    EXPECT_TRUE(dialog.codesFrom(kNarrowCombo).empty());
}

TEST_F(ComboTest, TypingSendsEditUpdateThenEditChangeForEachCharacterAndKeepsItsCase) {
    ComboDialog dialog;
    std::string name;
    run(dialog, [&](DialogDriver& d) {
        d.typeText(kNarrowCombo, "al");
        EXPECT_EQ(dialog.codesFrom(kNarrowCombo),
                  (std::vector<UINT>{CBN_SETFOCUS, CBN_EDITUPDATE, CBN_EDITCHANGE, CBN_EDITUPDATE,
                                     CBN_EDITCHANGE}));
        EXPECT_EQ(dialog.textAt.back(), "al");
        EXPECT_EQ(dialog.m_narrow.GetCurSel(), CB_ERR);
        d.type("pha");
        d.tab(); // leaving the box must not re-case the text to the item "Alpha"
        name = dialog.m_narrow.GetWindowText();
    });
    EXPECT_EQ(name, "alpha");
}

TEST_F(ComboTest, PickingWithTheMouseSendsSelEndOkCloseUpSelChangeWithTheTextInPlace) {
    ComboDialog dialog;
    run(dialog, [&](DialogDriver& d) {
        d.pickComboItem(kNarrowCombo, "gamma");
        const std::vector<UINT> codes = dialog.codesFrom(kNarrowCombo);
        const std::vector<UINT> tail(codes.end() - 3, codes.end());
        EXPECT_EQ(tail, (std::vector<UINT>{CBN_SELENDOK, CBN_CLOSEUP, CBN_SELCHANGE}));
        EXPECT_NE(std::find(codes.begin(), codes.end(), CBN_DROPDOWN), codes.end());
        EXPECT_EQ(dialog.textAt.back(), "gamma");
        EXPECT_EQ(*(dialog.textAt.end() - 3), "gamma");
        EXPECT_EQ(dialog.m_narrow.GetCurSel(), 5);
        EXPECT_FALSE(dialog.m_narrow.GetDroppedState());
    });
}

TEST_F(ComboTest, ClosingTheListWithoutAPickSendsSelEndCancelAndCloseUp) {
    ComboDialog dialog;
    EXPECT_EQ(run(dialog,
                  [&](DialogDriver& d) {
                      d.typeText(kNarrowCombo, "x");
                      dialog.commands.clear();
                      d.key(Qt::Key_F4);
                      EXPECT_TRUE(dialog.m_narrow.GetDroppedState());
                      d.key(Qt::Key_Escape);
                      EXPECT_FALSE(dialog.m_narrow.GetDroppedState());
                      EXPECT_EQ(dialog.codesFrom(kNarrowCombo),
                                (std::vector<UINT>{CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP}));
                      EXPECT_EQ(d.text(kNarrowCombo), "x");
                      ASSERT_TRUE(d.window()->isVisible()); // Escape closed the list, not the dialog
                  }),
              IDCANCEL);
}

TEST_F(ComboTest, ArrowKeysOnAClosedBoxSelectAndNotify) {
    ComboDialog dialog;
    run(dialog, [&](DialogDriver& d) {
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
    });
}

TEST_F(ComboTest, WithoutAutoHScrollTypingStopsAtTheVisibleWidthButAPickIsTakenWhole) {
    ComboDialog dialog;
    const std::string longName = kLongName;
    run(dialog, [&](DialogDriver& d) {
        d.typeText(kNarrowCombo, longName);
        const std::string typed = d.text(kNarrowCombo);
        EXPECT_LT(typed.size(), longName.size());
        EXPECT_EQ(typed.substr(0, 8), "Ein sehr");
        d.typeText(kWideCombo, longName);
        EXPECT_EQ(d.text(kWideCombo), longName);
        d.pickComboItem(kNarrowCombo, longName);
        EXPECT_EQ(d.text(kNarrowCombo), longName);
    });
}

} // namespace
} // namespace vexor::test
