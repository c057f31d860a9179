// The Windows side of ModalScript: the backend's modal hook, and message boxes answered through the
// dialog driver, with Windows' own messages.
#include "tests/support/modal_script.h"

#include "platform/ui/dialog_controls.h"
#include "platform/ui/win32/modal_hook.h"
#include "platform/ui/win32/text.h"
#include "platform/win32/text.h"

#include <gtest/gtest.h>

namespace vexor::test {

namespace {
constexpr UINT kMessageBoxText = 0xFFFF; // the id of a message box's text, on Windows and Wine

// A message box's type as it shows it: its buttons and its icon, which is one of the system's own.
UINT messageBoxType(HWND box) {
    UINT type = GetDlgItem(box, IDCANCEL) ? MB_OKCANCEL : MB_OK;
    for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if ((GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) != SS_ICON)
            continue;
        const auto icon = reinterpret_cast<HICON>(SendMessageW(child, STM_GETICON, 0, 0));
        for (auto [id, flag] : {std::pair{IDI_HAND, MB_ICONHAND}, {IDI_EXCLAMATION, MB_ICONEXCLAMATION},
                                {IDI_ASTERISK, MB_ICONASTERISK}, {IDI_QUESTION, MB_ICONQUESTION}})
            if (icon && icon == LoadIconA(nullptr, id))
                type |= flag;
    }
    return type;
}
} // namespace

ModalScript::ModalScript() {
    ui::win32::setModalHook([this](HWND window) {
        ui::DialogControls* dialog = ui::DialogControls::fromHandle(window);
        HWND text = GetDlgItem(window, kMessageBoxText);
        onModal({dialog != nullptr, window, dialog ? dialog->dialogTemplate().id : 0,
                 vexor::win32::narrow(ui::win32::windowText(window)),
                 dialog ? std::string() : vexor::win32::narrow(ui::win32::windowText(text)),
                 dialog ? 0 : messageBoxType(window), [window] { return IsWindowVisible(window) != FALSE; },
                 [window] { EndDialog(window, IDCANCEL); }});
    });
}

ModalScript::~ModalScript() {
    ui::win32::setModalHook({});
    reportUnmet();
}

void ModalScript::answerMessageBox(const ModalWindow& modal, const Expected& expected) {
    DialogDriver box(modal.window);
    switch (expected.answer.m_answer) {
    case Answer::ClickOk: box.click(expected.answer.m_button); break;
    case Answer::Enter: box.enter(); break;
    case Answer::Escape: box.escape(); break;
    case Answer::CloseBox: box.closeBox(); break;
    }
}

} // namespace vexor::test
