// A window hook sees each window being shown and posts the dialog boxes among them to a message-only
// window of this thread; the modal loop dispatches that message, and the modal hook runs from inside
// the loop. The window hook is there only while a modal hook is set, so that a program that never
// sets one runs without it.
#include "platform/ui/win32/modal_hook.h"

#include <utility>

namespace vexor::ui::win32 {

namespace {
constexpr UINT kShown = WM_APP + 1;

ModalHook g_modalHook;
HHOOK g_windowHook = nullptr;
HWND g_mailbox = nullptr;

bool isDialogBox(HWND window) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    return lstrcmpW(name, L"#32770") == 0;
}

LRESULT CALLBACK watch(int code, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_SHOWWINDOW && call->wParam && isDialogBox(call->hwnd))
        PostMessageW(g_mailbox, kShown, reinterpret_cast<WPARAM>(call->hwnd), 0);
    return CallNextHookEx(g_windowHook, code, wParam, lParam);
}

LRESULT CALLBACK mailbox(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kShown)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    if (g_modalHook)
        g_modalHook(reinterpret_cast<HWND>(wParam));
    return 0;
}
} // namespace

ModalHook setModalHook(ModalHook hook) {
    static const ATOM mailboxClass = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = mailbox;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VexorModalHook";
        return RegisterClassW(&wc);
    }();
    if (hook && !g_windowHook) {
        g_mailbox = CreateWindowW(reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(mailboxClass)), L"", 0, 0, 0, 0,
                                  0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr);
        g_windowHook = SetWindowsHookExW(WH_CALLWNDPROCRET, watch, nullptr, GetCurrentThreadId());
    } else if (!hook && g_windowHook) {
        UnhookWindowsHookEx(g_windowHook);
        DestroyWindow(g_mailbox);
        g_windowHook = nullptr;
        g_mailbox = nullptr;
    }
    return std::exchange(g_modalHook, std::move(hook));
}

} // namespace vexor::ui::win32
