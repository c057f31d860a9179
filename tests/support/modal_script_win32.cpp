// The Windows side of ModalScript. A hook sees every dialog box as it is shown (the program's dialogs
// and the system's message boxes alike; the dialog manager shows a modal dialog once its queue is
// first empty) and posts it to a window of the script's own; the modal loop hands that message on,
// and the script acts from inside the loop, as a user would once the window is up.
#include "tests/support/modal_script.h"

#include "platform/ui/dialog_controls.h"
#include "platform/ui/win32/text.h"
#include "platform/win32/text.h"

#include <gtest/gtest.h>

namespace vexor::test {

namespace {
constexpr UINT kAnnounce = WM_APP + 1;
constexpr UINT kMessageBoxText = 0xFFFF; // the id of a message box's text, on Windows and Wine

ModalScript* g_script = nullptr;
HHOOK g_hook = nullptr;
HWND g_mailbox = nullptr;

bool isDialogBox(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpW(name, L"#32770") == 0;
}

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam && isDialogBox(call->hwnd))
        PostMessageW(g_mailbox, kAnnounce, reinterpret_cast<WPARAM>(call->hwnd), 0);
    return CallNextHookEx(g_hook, code, wParam, lParam);
}

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

// The script's mailbox: a message-only window, so that the modal loop dispatches to it.
class ModalWatch {
  public:
    static LRESULT CALLBACK proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message != kAnnounce || !g_script)
            return DefWindowProcW(hWnd, message, wParam, lParam);
        auto window = reinterpret_cast<HWND>(wParam);
        ui::DialogControls* dialog = ui::DialogControls::fromHandle(window);
        HWND text = GetDlgItem(window, kMessageBoxText);
        g_script->onModal({dialog != nullptr, window, dialog ? dialog->dialogTemplate().id : 0,
                           vexor::win32::narrow(ui::win32::windowText(window)),
                           dialog ? std::string() : vexor::win32::narrow(ui::win32::windowText(text)),
                           dialog ? 0 : messageBoxType(window), [window] { return IsWindowVisible(window) != FALSE; },
                           [window] { EndDialog(window, IDCANCEL); }});
        return 0;
    }
};

ModalScript::ModalScript() {
    static const ATOM mailboxClass = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &ModalWatch::proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VexorModalScript";
        return RegisterClassW(&wc);
    }();
    g_mailbox = CreateWindowW(reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(mailboxClass)), L"", 0, 0, 0, 0, 0,
                              HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
    g_hook = SetWindowsHookExW(WH_CALLWNDPROCRET, watch, nullptr, GetCurrentThreadId());
    g_script = this;
}

ModalScript::~ModalScript() {
    g_script = nullptr;
    UnhookWindowsHookEx(g_hook);
    DestroyWindow(g_mailbox);
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
