// CDialog on Qt: a modal dialog built from its template, run in a nested loop.
#include "platform/ui/afx.h"
#include "platform/ui/resources.h"

#include "platform/ui/qt/dialog_window.h"
#include "platform/ui/qt/handles.h"
#include "platform/ui/qt/layer.h"

#include <QApplication>

#include <memory>

using namespace vexor::ui::qt;

namespace {
// A dialog without a parent is owned by the application's main window, or by the modal window
// that is up, so that it opens over it.
QWidget* ownerWidget(CWnd* parent, const CDialog* self) {
    if (parent && parent->GetSafeHwnd())
        return toWidget(parent->GetSafeHwnd())->window();
    CWinApp* app = AfxGetApp();
    if (app && app->m_pMainWnd && app->m_pMainWnd != self && app->m_pMainWnd->GetSafeHwnd())
        return toWidget(app->m_pMainWnd->GetSafeHwnd());
    return QApplication::activeModalWidget();
}
} // namespace

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd) : m_nIDTemplate(nIDTemplate), m_pParentWnd(pParentWnd) {}

CDialog::~CDialog() = default;

INT_PTR CDialog::DoModal() {
    ensureLayer();
    const vexor::res::DialogTemplate* tpl = vexor::ui::findDialog(static_cast<int>(m_nIDTemplate));
    if (!tpl || !qobject_cast<QApplication*>(QCoreApplication::instance()) || m_hWnd)
        return -1;
    auto window = std::make_unique<DialogWindow>(*this, *tpl, ownerWidget(m_pParentWnd, this));
    m_hWnd = toHwnd(window.get());
    if (OnInitDialog())
        window->focusFirstTabStop();
    const int result = window->runModal();
    window.reset();
    m_hWnd = nullptr;
    return result;
}
