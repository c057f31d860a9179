// CDialog on Win32: the template built in memory and run by the system's dialog manager, which
// brings Windows' own tab order, mnemonics, Enter, Escape and close box. The framework only routes
// messages: the dialog's to its message map, each control's to its object first (a bound member may
// look at a message before the control acts on it).
#include "platform/ui/afx.h"

#include "platform/ui/default_action.h"
#include "platform/ui/dialog_controls.h"
#include "platform/ui/resources.h"
#include "platform/ui/win32/dialog_template.h"
#include "platform/ui/win32/icons.h"
#include "platform/ui/win32/text.h"
#include "platform/ui/win32/text_fit.h"
#include "platform/win32/text.h"

#include <commctrl.h>

#include <algorithm>

using namespace vexor::ui;
using namespace vexor::ui::win32;
using namespace vexor::win32;

namespace {
constexpr UINT_PTR kSubclassId = 1;

LRESULT CALLBACK controlProc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_NCDESTROY)
        RemoveWindowSubclass(hWnd, controlProc, kSubclassId);
    else if (ControlRecord* control = DialogControls::recordOf(hWnd)) {
        LRESULT result = 0;
        if (CWnd* object = control->object(); object && object->OnWndMsg(message, wParam, lParam, &result))
            return result;
    }
    return DefSubclassProc(hWnd, message, wParam, lParam);
}

// The templates give no position: a dialog opens centred over its owner, or on the screen's work
// area when it has none (a hidden or minimised owner counts as none), and never beyond that area.
void centre(HWND hWnd) {
    RECT area{}, over{}, self{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    HWND owner = GetWindow(hWnd, GW_OWNER);
    if (!(owner && IsWindowVisible(owner) && !IsIconic(owner) && GetWindowRect(owner, &over)))
        over = area;
    GetWindowRect(hWnd, &self);
    const LONG width = self.right - self.left, height = self.bottom - self.top;
    const LONG x = std::clamp((over.left + over.right - width) / 2, area.left, std::max(area.left, area.right - width));
    const LONG y = std::clamp((over.top + over.bottom - height) / 2, area.top, std::max(area.top, area.bottom - height));
    SetWindowPos(hWnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

class Win32Dialog final : public DialogControls {
  public:
    using DialogControls::DialogControls;

    static INT_PTR CALLBACK proc(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message == WM_INITDIALOG) {
            SetWindowLongPtrW(hWnd, DWLP_USER, lParam);
            return reinterpret_cast<Win32Dialog*>(lParam)->initDialog(hWnd);
        }
        auto* self = reinterpret_cast<Win32Dialog*>(GetWindowLongPtrW(hWnd, DWLP_USER));
        return self ? self->handle(message, wParam, lParam) : FALSE;
    }

    void endModal(int result) override {
        if (m_hWnd)
            ::EndDialog(m_hWnd, result);
    }

  protected:
    bool isEnabled(const ControlRecord& control) const override { return IsWindowEnabled(control.hWnd); }
    bool isHidden(const ControlRecord& control) const override {
        return !(GetWindowLongW(control.hWnd, GWL_STYLE) & WS_VISIBLE);
    }
    std::string textOf(const ControlRecord& control) const override {
        return narrow(windowText(control.hWnd));
    }
    char32_t toUpper(char32_t c) const override {
        if (c > 0xFFFF)
            return c;
        wchar_t buffer[2] = {static_cast<wchar_t>(c), 0};
        CharUpperW(buffer);
        return buffer[0];
    }

  private:
    // The dialog manager creates the controls in template order as the dialog's children, in that
    // order; statics all share one id, so they are matched by place rather than by id.
    INT_PTR initDialog(HWND hWnd) {
        m_hWnd = hWnd;
        setHandle(hWnd);
        owner().m_hWnd = hWnd;
        HWND child = GetWindow(hWnd, GW_CHILD);
        for (const vexor::res::ControlTemplate& tpl : dialogTemplate().controls) {
            addControl(tpl, child);
            SetWindowSubclass(child, controlProc, kSubclassId, 0);
            if (tpl.iconId)
                SendMessageW(child, STM_SETICON,
                             reinterpret_cast<WPARAM>(iconHandle(tpl.iconId, GetSystemMetrics(SM_CXICON))), 0);
            else if (tpl.cls == vexor::res::ControlClass::Static)
                fitStaticText(child);
            child = GetWindow(child, GW_HWNDNEXT);
        }
        if (const int icon = programIconId()) {
            SendMessageW(hWnd, WM_SETICON, ICON_BIG,
                         reinterpret_cast<LPARAM>(iconHandle(icon, GetSystemMetrics(SM_CXICON))));
            SendMessageW(hWnd, WM_SETICON, ICON_SMALL,
                         reinterpret_cast<LPARAM>(iconHandle(icon, GetSystemMetrics(SM_CXSMICON))));
        }
        centre(hWnd);
        // TRUE lets the dialog manager put the focus on the first tab stop.
        return owner().OnInitDialog();
    }

    INT_PTR handle(UINT message, WPARAM wParam, LPARAM lParam) {
        LRESULT result = 0;
        switch (message) {
        case WM_COMMAND:
            return owner().OnWndMsg(message, wParam, lParam, &result);
        case WM_PAINT: {
            // Default() hands the message back to the dialog manager's own painting.
            bool wantsDefault = false;
            const DefaultAction fallback([&] { return wantsDefault = true, LRESULT{0}; });
            return owner().OnWndMsg(message, wParam, lParam, &result) && !wantsDefault;
        }
        case WM_CLOSE:
            // The close box does nothing while the Cancel button is disabled, as the Qt backend
            // has it; Wine's dialog manager would cancel all the same.
            return !closeBoxCancels();
        case WM_QUERYDRAGICON: // one of the messages whose answer a dialog procedure returns itself
            return owner().OnWndMsg(message, wParam, lParam, &result) ? result : 0;
        case WM_DESTROY:
            // From here no command reaches the program, and bound members let go of their controls.
            releaseControls();
            owner().m_hWnd = nullptr;
            return FALSE;
        default:
            return FALSE;
        }
    }

    HWND m_hWnd = nullptr;
};

// A dialog opens over its parent, else over the application's main window, else over the window
// that is active (the modal dialog it was opened from).
HWND ownerWindow(CWnd* parent, const CDialog* self) {
    if (parent && parent->GetSafeHwnd())
        return parent->GetSafeHwnd();
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd != self && app->m_pMainWnd->GetSafeHwnd())
        return app->m_pMainWnd->GetSafeHwnd();
    return GetActiveWindow();
}
} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    const vexor::res::DialogTemplate* tpl = findDialog(static_cast<int>(m_nIDTemplate));
    if (!tpl || m_hWnd)
        return -1;
    const std::vector<WORD> data = buildDialogTemplate(*tpl);
    Win32Dialog dialog(*this, *tpl);
    const INT_PTR result =
        DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<LPCDLGTEMPLATEW>(data.data()),
                                ownerWindow(m_pParentWnd, this), &Win32Dialog::proc,
                                reinterpret_cast<LPARAM>(&dialog));
    m_hWnd = nullptr;
    return result;
}
