// Painting for a WM_PAINT handler: a device context on the window being painted, icons drawn into it.
#include "platform/ui/afx.h"

#include "platform/ui/qt/dialog_window.h"
#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/icons.h"
#include "platform/ui/qt/layout.h"

#include <QPainter>

#include <cmath>

using namespace vexor::ui::qt;

namespace {
constexpr int kIconSize = 32;

QPainter* painterOf(HDC hDC) { return reinterpret_cast<QPainter*>(hDC); }
} // namespace

// Qt paints a window only inside its paint event; outside one the context stays empty and drawing
// into it does nothing.
CPaintDC::CPaintDC(CWnd* pWnd) : m_pWnd(pWnd) {
    DialogWindow* window = pWnd ? DialogWindow::fromWidget(toWidget(pWnd->GetSafeHwnd())) : nullptr;
    if (window && window->isPainting())
        m_hDC = reinterpret_cast<HDC>(new QPainter(window));
}

CPaintDC::~CPaintDC() { delete painterOf(m_hDC); }

BOOL CPaintDC::DrawIcon(int x, int y, HICON hIcon) {
    QPainter* painter = painterOf(m_hDC);
    const QIcon* icon = iconFromHandle(hIcon);
    if (!painter || !icon)
        return FALSE;
    const int size = GetSystemMetrics(SM_CXICON);
    painter->drawPixmap(x, y, icon->pixmap(size, size));
    return TRUE;
}

int GetSystemMetrics(int nIndex) {
    if (nIndex == SM_CXICON || nIndex == SM_CYICON)
        return static_cast<int>(std::lround(kIconSize * dpiScale()));
    return 0;
}
