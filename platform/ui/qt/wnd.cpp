// CWnd over the widget its handle stands for.
#include "platform/ui/afx.h"

#include "platform/ui/qt/default_action.h"
#include "platform/ui/qt/dialog_window.h"
#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/icons.h"
#include "platform/ui/qt/message_box.h"
#include "platform/ui/qt/text.h"

#include <QApplication>
#include <QVariant>
#include <QWidget>

using namespace vexor::ui::qt;

namespace {
constexpr const char* kBigIconProperty = "vexorBigIcon";
constexpr const char* kSmallIconProperty = "vexorSmallIcon";

// The object that stands for a widget: a control's bound member or framework object, or a dialog.
CWnd* objectOf(QWidget* widget) {
    if (DialogWindow* dialog = DialogWindow::fromWidget(widget))
        return &dialog->owner();
    DialogWindow* dialog = DialogWindow::containing(widget);
    ControlRecord* control = dialog ? dialog->controlOf(widget) : nullptr;
    return control ? control->object() : nullptr;
}

// The focus of the newest dialog, also while it is still being set up and not yet shown.
QWidget* focusedWidget() {
    QWidget* focus = QApplication::focusWidget();
    DialogWindow* top = DialogWindow::topmost();
    if (top && top->focusWidget() && (!focus || focus->window() != top))
        return top->focusWidget();
    return focus;
}
} // namespace

CWnd::CWnd() = default;

CWnd::~CWnd() {
    // A bound member that dies before its dialog window leaves the control to the framework object.
    if (ControlRecord* control = DialogWindow::recordOf(toWidget(m_hWnd)))
        if (control->bound == this)
            control->bound = nullptr;
}

int CWnd::GetDlgCtrlID() const {
    QWidget* widget = toWidget(m_hWnd);
    DialogWindow* dialog = DialogWindow::containing(widget);
    const ControlRecord* control = dialog ? dialog->controlOf(widget) : nullptr;
    return control ? control->id() : 0;
}

CWnd* CWnd::GetDlgItem(int nID) const {
    DialogWindow* dialog = DialogWindow::fromWidget(toWidget(m_hWnd));
    ControlRecord* control = dialog ? dialog->controlById(nID) : nullptr;
    return control ? control->object() : nullptr;
}

CWnd* CWnd::GetParent() const {
    QWidget* widget = toWidget(m_hWnd);
    if (DialogWindow* dialog = DialogWindow::fromWidget(widget))
        return dialog->parentWnd();
    DialogWindow* dialog = DialogWindow::containing(widget);
    return dialog ? &dialog->owner() : nullptr;
}

void CWnd::SetWindowText(LPCSTR lpszString) {
    QWidget* widget = toWidget(m_hWnd);
    if (!widget)
        return;
    setWidgetText(widget, fromProgram(lpszString));
    // An edit control reports every change of its text, the program's own included.
    DialogWindow* dialog = DialogWindow::containing(widget);
    const ControlRecord* control = dialog ? dialog->controlOf(widget) : nullptr;
    if (control && control->widget == widget && control->isEdit())
        dialog->sendCommand(EN_CHANGE, control->id());
}

std::string CWnd::GetWindowText() const { return toProgram(widgetText(toWidget(m_hWnd))); }

int CWnd::GetWindowTextLength() const { return static_cast<int>(GetWindowText().size()); }

BOOL CWnd::EnableWindow(BOOL bEnable) {
    QWidget* widget = toWidget(m_hWnd);
    if (!widget)
        return FALSE;
    const bool wasDisabled = widget->testAttribute(Qt::WA_ForceDisabled);
    widget->setEnabled(bEnable != FALSE);
    return wasDisabled ? TRUE : FALSE;
}

BOOL CWnd::IsWindowEnabled() const {
    const QWidget* widget = toWidget(m_hWnd);
    return widget && !widget->testAttribute(Qt::WA_ForceDisabled) ? TRUE : FALSE;
}

BOOL CWnd::ShowWindow(int nCmdShow) {
    QWidget* widget = toWidget(m_hWnd);
    if (!widget)
        return FALSE;
    const bool wasVisible = !widget->isHidden();
    widget->setVisible(nCmdShow != SW_HIDE);
    return wasVisible ? TRUE : FALSE;
}

BOOL CWnd::IsWindowVisible() const {
    const QWidget* widget = toWidget(m_hWnd);
    return widget && widget->isVisible() ? TRUE : FALSE;
}

BOOL CWnd::IsIconic() const {
    const QWidget* widget = toWidget(m_hWnd);
    return widget && widget->isWindow() && widget->isMinimized() ? TRUE : FALSE;
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
    const QWidget* widget = toWidget(m_hWnd);
    if (!lpRect)
        return;
    *lpRect = RECT{0, 0, 0, 0};
    if (!widget)
        return;
    const QPoint topLeft = widget->isWindow() ? widget->frameGeometry().topLeft() : widget->mapToGlobal(QPoint(0, 0));
    const QSize size = widget->isWindow() ? widget->frameGeometry().size() : widget->size();
    *lpRect = RECT{topLeft.x(), topLeft.y(), topLeft.x() + size.width(), topLeft.y() + size.height()};
}

void CWnd::GetClientRect(LPRECT lpRect) const {
    const QWidget* widget = toWidget(m_hWnd);
    if (!lpRect)
        return;
    *lpRect = RECT{0, 0, widget ? widget->width() : 0, widget ? widget->height() : 0};
}

CWnd* CWnd::SetFocus() {
    CWnd* previous = GetFocus();
    if (QWidget* widget = toWidget(m_hWnd))
        widget->setFocus(Qt::OtherFocusReason);
    return previous;
}

CWnd* CWnd::GetFocus() { return objectOf(focusedWidget()); }

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
    QWidget* widget = toWidget(m_hWnd);
    if (!widget)
        return nullptr;
    const char* property = bBigIcon ? kBigIconProperty : kSmallIconProperty;
    auto previous = reinterpret_cast<HICON>(widget->property(property).value<quintptr>());
    widget->setProperty(property, QVariant::fromValue(reinterpret_cast<quintptr>(hIcon)));
    if (const QIcon* icon = iconFromHandle(hIcon))
        widget->window()->setWindowIcon(*icon);
    return previous;
}

void CWnd::Invalidate(BOOL) {
    if (QWidget* widget = toWidget(m_hWnd))
        widget->update();
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
    QWidget* widget = toWidget(m_hWnd);
    return showMessageBox(widget ? widget->window() : nullptr, lpszText, lpszCaption, nType);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM, LRESULT* pResult) {
    LRESULT ignored = 0;
    LRESULT* result = pResult ? pResult : &ignored;
    switch (message) {
    case WM_COMMAND: return DispatchMessageMap(WM_COMMAND, hiWord(wParam), loWord(wParam), result);
    case WM_PAINT:
    case WM_QUERYDRAGICON: return DispatchMessageMap(message, 0, 0, result);
    default: return FALSE;
    }
}

LRESULT CWnd::Default() { return DefaultAction::runCurrent(); }

void CWnd::DoDataExchange(CDataExchange*) {}

BOOL CWnd::DispatchMessageMap(UINT message, UINT nCode, UINT nID, LRESULT* pResult) {
    for (const AFX_MSGMAP* map = GetMessageMap(); map; map = map->pfnGetBaseMap ? map->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* entry = map->lpEntries; entry->nMessage != 0; ++entry) {
            if (entry->nMessage != message || entry->nCode != nCode || entry->nID != nID || !entry->pfn)
                continue;
            if (entry->nSig == AfxSig_hv) {
                auto handler = std::bit_cast<HCURSOR (CWnd::*)()>(entry->pfn);
                HCURSOR cursor = (this->*handler)();
                if (pResult)
                    *pResult = reinterpret_cast<LRESULT>(cursor);
            } else {
                (this->*(entry->pfn))();
            }
            return TRUE;
        }
    }
    return FALSE;
}

const AFX_MSGMAP* CWnd::GetMessageMap() const { return GetThisMessageMap(); }

const AFX_MSGMAP* CWnd::GetThisMessageMap() {
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, AfxSig_vv, nullptr}};
    static const AFX_MSGMAP map = {nullptr, &entries[0]};
    return &map;
}
