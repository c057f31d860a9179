// Modal runs: results, nested dialogs and message boxes, the test hook's own failures, message maps,
// bound members, painting and cursors.
#include "platform/cursor.h"
#include "platform/ui/qt/icons.h"
#include "platform/ui/qt/modal_hook.h"
#include "tests/ui/test_dialog.h"

#include <gtest/gtest-spi.h>

#include <QApplication>
#include <QMessageBox>

namespace vexor::test {
namespace {

using ModalTest = LayerTest;

constexpr const char* kReportCaption = "L\xC3\xB6schen";
constexpr const char* kReportText = "Das geht nicht.\n\nZweite Zeile mit \xC3\xBC.";

// The script's own safety too: a window nobody expected, or one its actions left open, fails the test
// and is closed instead of hanging it.
TEST_F(ModalTest, DoModalReturnsMinusOneWithoutATemplateEndDialogsCodeFromInitAndWhatTheScriptDidNotExpect) {
    TestDialog missing(kMissingTemplate);
    EXPECT_EQ(missing.DoModal(), -1);
    EXPECT_EQ(missing.GetSafeHwnd(), nullptr);
    TestDialog dialog(kKeysDialog);
    dialog.init = [](TestDialog& self) {
        self.EndDialog(42);
        return TRUE;
    };
    EXPECT_EQ(dialog.DoModal(), 42); // the script expects nothing: the hook must not have fired
    dialog.init = nullptr;
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(dialog.DoModal(), IDCANCEL), "Unexpected dialog 9001");
    script.expectDialog(kKeysDialog, [](DialogDriver&) {});
    EXPECT_NONFATAL_FAILURE(EXPECT_EQ(dialog.DoModal(), IDCANCEL), "still open after its actions");
}

// Dialogs opening dialogs and message boxes show in the program's own flows; here: when a box closes,
// the dialog that opened it stays, with the focus where it was.
TEST_F(ModalTest, AMessageBoxReturnsOkAndLeavesTheFocusWhereItWas) {
    TestDialog dialog(kNoDefaultDialog);
    int boxResult = 0;
    dialog.onCommand = [&](TestDialog& self, Command command) {
        if (command == Command{BN_CLICKED, kOtherButton})
            boxResult = self.MessageBox(kReportText, kReportCaption, MB_OK | MB_ICONHAND);
    };
    script.expectDialog(kNoDefaultDialog, [](DialogDriver& d) {
        d.click(kOtherButton);
        EXPECT_TRUE(d.window()->isVisible());
        EXPECT_EQ(d.focusedId(), kOtherButton);
        d.escape();
    });
    script.expectMessageBox(kReportCaption, kReportText, MB_OK | MB_ICONHAND).thenPress(IDOK);
    dialog.DoModal();
    EXPECT_EQ(boxResult, IDOK);
}

TEST_F(ModalTest, MessageBoxesShowTheIconOfTheirTypeAndEveryWayOutIsOk) {
    std::vector<std::pair<QMessageBox::Icon, qsizetype>> shown; // icon and number of buttons
    ui::qt::ModalHook previous = ui::qt::setModalHook([&](const ui::qt::ModalInfo& info) {
        auto* box = qobject_cast<QMessageBox*>(info.window);
        shown.emplace_back(box ? box->icon() : QMessageBox::NoIcon, box ? box->buttons().size() : 0);
        info.window->close();
    });
    EXPECT_EQ(MessageBoxA(nullptr, "Achtung", "Achtung", MB_OK | MB_ICONHAND), IDOK);
    EXPECT_EQ(MessageBoxA(nullptr, "Falsch", "Anmeldemeldung", MB_OK | MB_ICONEXCLAMATION), IDOK);
    EXPECT_EQ(shown, (std::vector<std::pair<QMessageBox::Icon, qsizetype>>{{QMessageBox::Critical, 1},
                                                                           {QMessageBox::Warning, 1}}));
    ui::qt::setModalHook(previous);
    for (auto answer :
         {ModalScript::Answer::Enter, ModalScript::Answer::Escape, ModalScript::Answer::CloseBox}) {
        script.expectMessageBox("A", "a", MB_ICONHAND).thenAnswer(answer);
        EXPECT_EQ(MessageBoxA(nullptr, "a", "A", MB_ICONHAND), IDOK);
    }
}

// The program shows the wait cursor while it reads the machine's accounts and the arrow after.
TEST_F(ModalTest, TheWaitCursorShowsUntilTheArrowComesBack) {
    InitCommonControls(); // as the program does at start: the cursor reaches Qt through the layer
    for (int i = 0; i < 2; ++i) { // a second one replaces the first, doesn't stack on it
        SetCursor(LoadCursorA(nullptr, IDC_WAIT));
        ASSERT_NE(QApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    SetCursor(LoadCursorA(nullptr, IDC_ARROW));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

// ---- Message maps ----------------------------------------------------------------------------------

class MapBase : public CDialog {
  public:
    explicit MapBase(UINT id) : CDialog(id) {}
    std::vector<std::string> calls;
    void OnBaseOpen() { calls.push_back("base open"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MapBase, CDialog)
ON_BN_CLICKED(kDeleteButton, &MapBase::OnBaseOpen)
END_MESSAGE_MAP()

class MapDerived : public MapBase {
  public:
    MapDerived() : MapBase(kKeysDialog) {}
    void OnFirst() { calls.push_back("first"); }
    void OnSecond() { calls.push_back("second"); }
    void OnPaint() {
        CPaintDC dc(this);
        painted = dc.GetSafeHdc() != nullptr && dc.DrawIcon(0, 0, ui::qt::iconHandle(ui::programIconId()));
        outsideDc = CPaintDC(nullptr).GetSafeHdc() == nullptr;
    }
    bool painted = false;
    bool outsideDc = false;
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(MapDerived, MapBase)
ON_WM_PAINT()
ON_BN_CLICKED(kDeleteButton, &MapDerived::OnFirst)
ON_BN_CLICKED(kDeleteButton, &MapDerived::OnSecond)
END_MESSAGE_MAP()

TEST_F(ModalTest, TheMostDerivedMapsFirstEntryWinsAndPaintingDrawsOnlyInsideThePaintMessage) {
    MapDerived dialog;
    EXPECT_EQ(run(dialog,
                  [&](DialogDriver& d) {
                      d.click(kDeleteButton);
                      d.window()->grab(); // paints the window as the screen would
                      d.click(IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dialog.calls, (std::vector<std::string>{"first"}));
    EXPECT_TRUE(dialog.painted);
    EXPECT_TRUE(dialog.outsideDc);
    EXPECT_EQ(GetSystemMetrics(SM_CXICON), 32);
}

// ---- Bound members -------------------------------------------------------------------------------

// The member is the control until the dialog closes, and the program's own SetCheck is silent. That
// the user's clicks and space bar reach a check box before the dialog hears of them shows in the main
// dialog's switch, which saves only changes made by the user.
TEST_F(ModalTest, ABoundMembersSetCheckSendsNoClickAndTheMemberOutlivesItsWindowSafely) {
    CButton check;
    TestDialog dialog(kNoDefaultDialog);
    dialog.bound = {{kPlainCheck, &check}};
    dialog.init = [&check](TestDialog&) {
        check.SetCheck(BST_CHECKED);
        return TRUE;
    };
    run(dialog, [&](DialogDriver& d) {
        EXPECT_EQ(dialog.GetDlgItem(kPlainCheck), &check);
        EXPECT_EQ(check.GetDlgCtrlID(), kPlainCheck);
        EXPECT_TRUE(d.isChecked(kPlainCheck));
        check.SetCheck(BST_UNCHECKED);
        EXPECT_FALSE(d.isChecked(kPlainCheck));
        check.SetCheck(2); // any non-zero state checks a two-state box
        EXPECT_EQ(check.GetCheck(), BST_CHECKED);
    });
    EXPECT_TRUE(dialog.codesFrom(kPlainCheck).empty());
    // Closed: the member no longer has a window, and asking it is safe.
    EXPECT_EQ(check.GetSafeHwnd(), nullptr);
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(check.GetWindowText(), "");
}

} // namespace
} // namespace vexor::test
