// The main dialog on Windows. A hook sees each dialog box as it is shown (the dialog manager shows a
// modal dialog once its queue is first empty) and posts it to a window of the host's own, so that the
// work runs from inside the dialog's own loop, as it does with the Qt backend.
#include "bench/MainDialogHost.h"

#include "dialogs/AccessManagerDlg.h"
#include "resources/resources.h"

#include <windows.h>

namespace {

constexpr UINT kShown = WM_APP + 1;

// The main dialog with its list open to the benchmark.
class CBenchAccessManagerDlg : public CAccessManagerDlg {
  public:
    CUserList& UserList() { return m_userList; }
};

struct Host {
    CBenchAccessManagerDlg& dlg;
    const std::function<void(CUserList&)>& work;
    HWND mailbox;
    bool bRan = false;
};

Host* g_host = nullptr;

bool IsDialogBox(HWND hWnd) {
    wchar_t szClass[16] = {};
    GetClassNameW(hWnd, szClass, 16);
    return lstrcmpW(szClass, L"#32770") == 0;
}

LRESULT CALLBACK Watch(int nCode, WPARAM wParam, LPARAM lParam) {
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (nCode == HC_ACTION && g_host && call->message == WM_SHOWWINDOW && call->wParam && IsDialogBox(call->hwnd))
        PostMessageW(g_host->mailbox, kShown, reinterpret_cast<WPARAM>(call->hwnd), 0);
    return CallNextHookEx(nullptr, nCode, wParam, lParam);
}

// Runs the work on the main dialog once; anything else that opens (a message box the work did not
// expect) is cancelled at once, and so is the dialog after the work.
LRESULT CALLBACK Mailbox(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kShown || !g_host)
        return DefWindowProcW(hWnd, message, wParam, lParam);
    const auto hShown = reinterpret_cast<HWND>(wParam);
    if (hShown == g_host->dlg.GetSafeHwnd() && !g_host->bRan) {
        g_host->bRan = true;
        g_host->work(g_host->dlg.UserList());
    }
    EndDialog(hShown, IDCANCEL);
    return 0;
}

} // namespace

bool WithMainDialog(const std::function<void(CUserList&)>& work) {
    static const ATOM mailboxClass = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = Mailbox;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VexorBenchHost";
        return RegisterClassW(&wc);
    }();
    vexor::res::registerProgramResources();
    CBenchAccessManagerDlg dlg;
    Host host{dlg, work, CreateWindowW(reinterpret_cast<LPCWSTR>(static_cast<ULONG_PTR>(mailboxClass)), L"", 0, 0,
                                      0, 0, 0, HWND_MESSAGE, nullptr, GetModuleHandleW(nullptr), nullptr)};
    HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROCRET, Watch, nullptr, GetCurrentThreadId());
    g_host = &host;
    dlg.DoModal();
    g_host = nullptr;
    UnhookWindowsHookEx(hook);
    DestroyWindow(host.mailbox);
    return host.bRan;
}
