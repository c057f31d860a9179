// What edits and combo boxes tell the dialog, and in which order; what they let the user type.
#include "tests/ui/test_dialog.h"

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
        bound = {{kNarrowCombo, &m_narrow}, {kWideCombo, &m_wide}};
        init = [this](TestDialog&) {
            for (const char* name : {"beta", "Alpha", "gamma", "Beta", "\xC3\x84rger", kLongName})
                indexes.push_back(m_narrow.AddString(name));
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
};

TEST_F(EditTest, EveryChangeSendsEnChangeTypedTextComesBackAsUtf8PasswordsAreMaskedReadOnlyIsKept) {
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

        // A password edit masks what is typed; a read-only one refuses typing and pasting but copies.
        d.typeText(kPasswordEdit, "geheim");
        auto* password = qobject_cast<QLineEdit*>(d.control(kPasswordEdit));
        ASSERT_NE(password, nullptr);
        EXPECT_EQ(password->echoMode(), QLineEdit::Password);
        EXPECT_NE(password->displayText(), QStringLiteral("geheim"));
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
// Without CBS_AUTOHSCROLL typing stops at the visible width, but a pick is taken whole.
TEST_F(ComboTest, SortedAddingIgnoresCaseTheProgramsSelectionIsSilentAndTypingStopsAtTheWidth) {
    ComboDialog dialog;
    const std::string longName = kLongName;
    run(dialog, [&](DialogDriver& d) {
        EXPECT_EQ(dialog.indexes, (std::vector<int>{0, 0, 2, 2, 1, 4}));
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
        EXPECT_TRUE(dialog.codesFrom(kNarrowCombo).empty());

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

// What the user does to the box, and what the dialog hears of it in Windows' order, the box's text in
// place at each notification; the list closed and the text kept as it is when the user leaves the box
// (no re-casing to a matching item).
TEST_F(ComboTest, EveryUserActionNotifiesInWindowsOrderWithTheTextInPlace) {
    constexpr UINT kUpdate = CBN_EDITUPDATE, kChange = CBN_EDITCHANGE, kOk = CBN_SELENDOK,
                   kSel = CBN_SELCHANGE;
    const std::string kAerger = "\xC3\x84rger";
    struct Case {
        const char* what;
        const char* typedFirst; // nullptr: the box doesn't have the focus yet
        std::function<void(ComboDialog&, DialogDriver&)> act;
        std::vector<UINT> codes;
        std::vector<std::string> lastTexts; // the text at the last notifications
        int selection;
    };
    const Case cases[] = {
        {"typing",
         nullptr,
         [](ComboDialog&, DialogDriver& d) { d.typeText(kNarrowCombo, "alpha"); },
         {CBN_SETFOCUS, kUpdate, kChange, kUpdate, kChange, kUpdate, kChange, kUpdate, kChange, kUpdate,
          kChange},
         {"alph", "alpha", "alpha"},
         CB_ERR},
        {"a pick with the mouse",
         "",
         [](ComboDialog&, DialogDriver& d) { d.pickComboItem(kNarrowCombo, "gamma"); },
         {CBN_DROPDOWN, kOk, CBN_CLOSEUP, kSel},
         {"gamma", "gamma", "gamma"},
         5},
        {"the list closed without a pick",
         "x",
         [](ComboDialog& dialog, DialogDriver& d) {
             d.key(Qt::Key_F4);
             EXPECT_TRUE(dialog.m_narrow.GetDroppedState());
             d.key(Qt::Key_Escape); // closes the list, not the dialog
         },
         {CBN_DROPDOWN, CBN_SELENDCANCEL, CBN_CLOSEUP},
         {"x", "x", "x"},
         CB_ERR},
        {"arrow keys on the closed box, Up at the top doing nothing",
         "",
         [](ComboDialog&, DialogDriver& d) {
             for (Qt::Key key : {Qt::Key_Down, Qt::Key_Down, Qt::Key_Up, Qt::Key_Up})
                 d.key(key);
         },
         {kOk, kSel, kOk, kSel, kOk, kSel},
         {"Alpha", "Alpha", kAerger, kAerger, "Alpha", "Alpha"},
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ComboDialog dialog;
        run(dialog, [&](DialogDriver& d) {
            if (c.typedFirst) {
                d.typeText(kNarrowCombo, c.typedFirst);
                dialog.commands.clear();
                dialog.textAt.clear();
            }
            c.act(dialog, d);
            EXPECT_EQ(dialog.codesFrom(kNarrowCombo), c.codes);
            ASSERT_GE(dialog.textAt.size(), c.lastTexts.size());
            EXPECT_EQ(std::vector(dialog.textAt.end() - static_cast<std::ptrdiff_t>(c.lastTexts.size()),
                                  dialog.textAt.end()),
                      c.lastTexts);
            EXPECT_EQ(dialog.m_narrow.GetCurSel(), c.selection);
            EXPECT_FALSE(dialog.m_narrow.GetDroppedState());
            ASSERT_TRUE(d.window()->isVisible());
            d.tab();
            EXPECT_EQ(dialog.m_narrow.GetWindowText(), c.lastTexts.back());
        });
    }
}

} // namespace
} // namespace vexor::test
