// The layer's tests: small dialog templates that each exercise one set of rules, and a dialog that
// records every command that reaches it and lets a test decide what its initialisation does.
#pragma once

#include "platform/ui/afx.h"
#include "platform/ui/resources.h"
#include "resources/resources.h"
#include "tests/common/RunsOnWine.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/modal_script.h"

#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vexor::test {

enum TemplateId {
    kKeysDialog = 9001,      // default button, mnemonics, tab order with disabled and hidden controls, labels
    kNoDefaultDialog = 9002, // no BS_DEFPUSHBUTTON: Enter means IDOK
    kComboDialog = 9003,
    kListDialog = 9004,
    kMissingTemplate = 9999,
};

enum ControlId {
    kNameEdit = 100, kDisabledEdit, kHiddenEdit, kRememberCheck, kDeleteButton, kNoTabStopEdit, kPasswordEdit,
    kReadOnlyEdit,
    kOtherButton = 200, kPlainEdit, kPlainCheck,
    kNarrowCombo = 300, kWideCombo,
    kList = 400,
};

namespace templates {
using res::ControlClass;
using res::ControlTemplate;

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kDialogStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_FIXEDSYS;
constexpr DWORD kEdit = kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL;
constexpr DWORD kCombo = kChild | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_SORT;
constexpr DWORD kButton = kChild | WS_TABSTOP;

inline constexpr std::array kKeys{
    ControlTemplate{IDOK, ControlClass::Button, "OK", 100, 100, 50, 14, kButton | BS_DEFPUSHBUTTON, 0, 0},
    ControlTemplate{IDCANCEL, ControlClass::Button, "Abbrechen", 152, 100, 50, 14, kButton, 0, 0},
    ControlTemplate{-1, ControlClass::Static, "&Name:", 5, 7, 40, 8, kChild | WS_GROUP, 0, 0},
    ControlTemplate{kNameEdit, ControlClass::Edit, "", 50, 5, 100, 12, kEdit, 0, 0},
    ControlTemplate{kDisabledEdit, ControlClass::Edit, "", 50, 20, 100, 12, kEdit | WS_DISABLED, 0, 0},
    ControlTemplate{kHiddenEdit, ControlClass::Edit, "", 50, 35, 100, 12, WS_CHILD | WS_BORDER | WS_TABSTOP, 0, 0},
    ControlTemplate{kRememberCheck, ControlClass::Button, "&Merken", 5, 50, 80, 10, kButton | BS_AUTOCHECKBOX, 0, 0},
    ControlTemplate{kDeleteButton, ControlClass::Button, "&L\xC3\xB6schen", 5, 100, 50, 14, kButton | WS_GROUP, 0, 0},
    ControlTemplate{kNoTabStopEdit, ControlClass::Edit, "", 50, 65, 100, 12, kChild | WS_BORDER | ES_AUTOHSCROLL, 0, 0},
    ControlTemplate{-1, ControlClass::Static, "&\xC3\x9C" "brig:", 5, 82, 40, 8, kChild | WS_GROUP, 0, 0},
    ControlTemplate{kPasswordEdit, ControlClass::Edit, "", 50, 80, 100, 12, kEdit | ES_PASSWORD, 0, 0},
    ControlTemplate{kReadOnlyEdit, ControlClass::Edit, "fest", 155, 80, 50, 12, kEdit | ES_READONLY, 0, 0},
};

inline constexpr std::array kNoDefault{
    ControlTemplate{IDOK, ControlClass::Button, "&Schlie\xC3\x9F" "en", 100, 60, 54, 14, kButton, 0, 0},
    ControlTemplate{kOtherButton, ControlClass::Button, "Anderes", 40, 60, 54, 14, kButton, 0, 0},
    ControlTemplate{kPlainEdit, ControlClass::Edit, "", 5, 5, 100, 12, kEdit, 0, 0},
    ControlTemplate{kPlainCheck, ControlClass::Button, "Pr\xC3\xBC" "fen", 5, 25, 100, 10, kButton | BS_AUTOCHECKBOX, 0, 0},
};

inline constexpr std::array kCombos{
    ControlTemplate{IDOK, ControlClass::Button, "OK", 100, 80, 50, 14, kButton | BS_DEFPUSHBUTTON, 0, 0},
    ControlTemplate{IDCANCEL, ControlClass::Button, "Abbrechen", 152, 80, 50, 14, kButton, 0, 0},
    ControlTemplate{kNarrowCombo, ControlClass::ComboBox, "", 59, 7, 60, 60, kCombo, 0, 0},
    ControlTemplate{kWideCombo, ControlClass::ComboBox, "", 59, 30, 60, 60, kCombo | CBS_AUTOHSCROLL, 0, 0},
};

inline constexpr std::array kLists{
    ControlTemplate{IDOK, ControlClass::Button, "OK", 150, 120, 50, 14, kButton | BS_DEFPUSHBUTTON, 0, 0},
    ControlTemplate{kList, ControlClass::ListView, "", 5, 5, 200, 100,
                    kChild | WS_BORDER | WS_TABSTOP | LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS, 0, 0},
};

inline const std::array kDialogs{
    res::DialogTemplate{kKeysDialog, "Tasten", 210, 120, kDialogStyle, 0, "MS Shell Dlg", 8, kKeys},
    res::DialogTemplate{kNoDefaultDialog, "Ohne Standard", 160, 80, kDialogStyle, 0, "MS Shell Dlg", 8, kNoDefault},
    res::DialogTemplate{kComboDialog, "Auswahl", 210, 100, kDialogStyle, 0, "MS Shell Dlg", 8, kCombos},
    res::DialogTemplate{kListDialog, "Liste", 210, 140, kDialogStyle, 0, "MS Shell Dlg", 8, kLists},
};
} // namespace templates

// Hands the test templates to the framework in place of the program's dialogs; the program's icons stay.
inline void registerTestTemplates() {
    static const std::array<const res::DialogTemplate*, templates::kDialogs.size()> dialogs{
        &templates::kDialogs[0], &templates::kDialogs[1], &templates::kDialogs[2], &templates::kDialogs[3]};
    ui::ProgramResources resources = res::programResources();
    resources.dialogs = dialogs;
    ui::registerResources(resources);
}

struct Command {
    UINT code;
    int id;
    bool operator==(const Command&) const = default;
};

class TestDialog : public CDialog {
  public:
    explicit TestDialog(UINT id, CWnd* parent = nullptr) : CDialog(id, parent) {}

    std::vector<Command> commands;
    std::function<BOOL(TestDialog&)> init;               // runs after the base initialisation
    std::function<void(TestDialog&, Command)> onCommand; // runs before the message map
    std::vector<std::pair<int, CWnd*>> bound;            // members bound to their controls by id

    BOOL OnInitDialog() override {
        CDialog::OnInitDialog();
        return init ? init(*this) : TRUE;
    }

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override {
        if (message == WM_COMMAND) {
            const Command command{static_cast<UINT>((wParam >> 16) & 0xFFFF),
                                  static_cast<int>(wParam & 0xFFFF)};
            commands.push_back(command);
            if (onCommand)
                onCommand(*this, command);
        }
        return CDialog::OnWndMsg(message, wParam, lParam, pResult);
    }

    void DoDataExchange(CDataExchange* pDX) override {
        for (auto [id, member] : bound)
            DDX_Control(pDX, id, *member);
    }

    std::vector<UINT> codesFrom(int id) const {
        std::vector<UINT> codes;
        for (const Command& command : commands)
            if (command.id == id)
                codes.push_back(command.code);
        return codes;
    }
};

// Every test of the layer lays its dialogs out from the test templates and answers them by script.
class LayerTest : public ::testing::Test {
  protected:
    void SetUp() override { registerTestTemplates(); }

    // Runs the dialog with `actions` as what the user does while it is up, and Escape after them if
    // they left it open; what DoModal returned.
    INT_PTR run(CDialog& dialog, std::function<void(DialogDriver&)> actions) {
        script.expectDialog(static_cast<int>(dialog.GetTemplateId()), [actions](DialogDriver& d) {
            actions(d);
            if (d.isOpen())
                d.escape();
        });
        return dialog.DoModal();
    }

    ModalScript script;
};

} // namespace vexor::test
