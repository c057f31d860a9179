// CWnd and the small controls over their Windows windows: window messages, with the program's text
// converted at this boundary (see text.h): UTF-8 in, and typed text out as the A functions give it.
#include "platform/ui/afx.h"

#include "platform/ui/dialog_controls.h"
#include "platform/ui/win32/text.h"
#include "platform/win32/text.h"

#include <commctrl.h>

using namespace vexor::ui;
using namespace vexor::ui::win32;
using namespace vexor::win32;

namespace {
// The object that stands for a window: a dialog, or the control the window is or belongs to (the
// edit inside a combo box is the combo box).
CWnd* objectOf(HWND hWnd) {
    for (HWND window = hWnd; window; window = GetParent(window)) {
        if (DialogControls* dialog = DialogControls::fromHandle(window))
            return &dialog->owner();
        if (ControlRecord* control = DialogControls::recordOf(window))
            return control->object();
    }
    return nullptr;
}
} // namespace

void CWnd::SetWindowText(LPCSTR lpszString) {
    if (m_hWnd)
        SetWindowTextW(m_hWnd, widen(lpszString ? lpszString : "").c_str());
}

std::string CWnd::GetWindowText() const { return typedText(windowText(m_hWnd)); }

int CWnd::GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }

BOOL CWnd::IsWindowTextRepresentable() const { return representable(windowText(m_hWnd)) ? TRUE : FALSE; }

BOOL CWnd::EnableWindow(BOOL bEnable) { return m_hWnd ? ::EnableWindow(m_hWnd, bEnable) : FALSE; }

BOOL CWnd::IsWindowEnabled() const { return m_hWnd ? ::IsWindowEnabled(m_hWnd) : FALSE; }

BOOL CWnd::ShowWindow(int nCmdShow) { return m_hWnd ? ::ShowWindow(m_hWnd, nCmdShow) : FALSE; }


BOOL CWnd::IsIconic() const { return m_hWnd ? ::IsIconic(m_hWnd) : FALSE; }

void CWnd::GetWindowRect(LPRECT lpRect) const {
    if (lpRect && !(m_hWnd && ::GetWindowRect(m_hWnd, lpRect)))
        *lpRect = RECT{0, 0, 0, 0};
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    if (lpRect && !(m_hWnd && ::GetClientRect(m_hWnd, lpRect)))
        *lpRect = RECT{0, 0, 0, 0};
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (m_hWnd)
        ::SetFocus(m_hWnd);
    return previous;
}

CWnd* CWnd::GetFocus() { return objectOf(::GetFocus()); }

void CWnd::Invalidate(BOOL bErase) {
    if (m_hWnd)
        InvalidateRect(m_hWnd, nullptr, bErase);
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
    return MessageBoxW(m_hWnd, widen(lpszText ? lpszText : "").c_str(),
                       lpszCaption ? widen(lpszCaption).c_str() : nullptr, nType);
}

// ---- Buttons, edits, statics, trees -----------------------------------------------------------------

int CButton::GetCheck() const {
    return m_hWnd && SendMessageW(m_hWnd, BM_GETCHECK, 0, 0) == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED;
}

// BM_SETCHECK sends no BN_CLICKED; any non-zero state checks a two-state box.
void CButton::SetCheck(int nCheck) {
    if (m_hWnd)
        SendMessageW(m_hWnd, BM_SETCHECK, nCheck != BST_UNCHECKED ? BST_CHECKED : BST_UNCHECKED, 0);
}


