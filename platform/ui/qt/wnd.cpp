// CWnd over the widget its handle stands for: what only the Qt backend knows of a window.
#include "platform/ui/afx.h"

#include "platform/ui/qt/dialog_window.h"
#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/message_box.h"
#include "platform/ui/qt/text.h"

#include <QApplication>
#include <QWidget>

using namespace vexor::ui;
using namespace vexor::ui::qt;

namespace {
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

void CWnd::SetWindowText(LPCSTR lpszString) {
    QWidget* widget = toWidget(m_hWnd);
    if (!widget)
        return;
    setWidgetText(widget, fromProgram(lpszString));
    // An edit control reports every change of its text, the program's own included.
    DialogWindow* dialog = DialogWindow::containing(widget);
    const ControlRecord* control = dialog ? dialog->controlOf(widget) : nullptr;
    if (control && widgetOf(*control) == widget && control->isEdit())
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

void CWnd::Invalidate(BOOL) {
    if (QWidget* widget = toWidget(m_hWnd))
        widget->update();
}

int CWnd::MessageBox(LPCSTR lpszText, LPCSTR lpszCaption, UINT nType) {
    QWidget* widget = toWidget(m_hWnd);
    return showMessageBox(widget ? widget->window() : nullptr, lpszText, lpszCaption, nType);
}
