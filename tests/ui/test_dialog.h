// A dialog for the layer's tests: records every command that reaches it, and lets a test decide what
// its initialisation does.
#pragma once

#include "platform/ui/afx.h"
#include "platform/ui/qt/modal_hook.h"
#include "resources/resources.h"
#include "tests/support/dialog_driver.h"
#include "tests/support/modal_script.h"
#include "tests/ui/test_templates.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace vexor::test {

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

// A TestDialog initialisation that disables the given controls.
inline std::function<BOOL(TestDialog&)> disabling(std::vector<int> ids) {
    return [ids](TestDialog& self) {
        for (int id : ids)
            self.GetDlgItem(id)->EnableWindow(FALSE);
        return TRUE;
    };
}

// Every test of the layer lays its dialogs out from the test templates and answers them by script.
class LayerTest : public ::testing::Test {
  protected:
    void SetUp() override { registerTestTemplates(); }

    // Runs the dialog with `actions` as what the user does while it is up, and Escape after them if
    // they left it open; what DoModal returned.
    INT_PTR run(CDialog& dialog, std::function<void(DialogDriver&)> actions) {
        script.expectDialog(static_cast<int>(dialog.GetTemplateId()), [actions](DialogDriver& d) {
            actions(d);
            if (d.window()->isVisible())
                d.escape();
        });
        return dialog.DoModal();
    }

    ModalScript script;
};

// Opens each of the program's own dialogs, runs the checks on its window, and closes it.
inline void forEachProgramDialog(const std::function<void(const res::DialogTemplate&, QWidget&)>& checks) {
    res::registerProgramResources();
    for (const res::DialogTemplate* tpl : res::programResources().dialogs) {
        SCOPED_TRACE("dialog " + std::to_string(tpl->id));
        ui::qt::ModalHook previous = ui::qt::setModalHook([&](const ui::qt::ModalInfo& info) {
            checks(*tpl, *info.window);
            info.abort();
        });
        CDialog dialog(static_cast<UINT>(tpl->id));
        EXPECT_NE(dialog.DoModal(), -1);
        ui::qt::setModalHook(previous);
    }
}

} // namespace vexor::test
