// What the Win32 backend adds to the application: its icons and painting for a WM_PAINT handler. (The
// process entry is main.cpp; there is no main message loop: InitInstance runs the dialogs, each in
// the dialog manager's modal loop.)
#include "platform/ui/afx.h"

#include "platform/ui/win32/icons.h"


HICON CWinApp::LoadIcon(UINT nIDResource) const {
    return vexor::ui::win32::iconHandle(static_cast<int>(nIDResource), GetSystemMetrics(SM_CXICON));
}

CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) {
    PAINTSTRUCT paint{};
    if (pWnd && pWnd->GetSafeHwnd())
        m_hDC = BeginPaint(pWnd->GetSafeHwnd(), &paint);
}

// EndPaint needs only the context from the PAINTSTRUCT BeginPaint filled.
CPaintDC::~CPaintDC() {
    if (!m_hDC)
        return;
    PAINTSTRUCT paint{};
    paint.hdc = m_hDC;
    EndPaint(m_pWnd->GetSafeHwnd(), &paint);
}

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) { return m_hDC && hIcon ? ::DrawIcon(m_hDC, x, y, hIcon) : FALSE; }
