// CButton: the check state of a button control.
#include "platform/ui/afx.h"

#include "platform/ui/qt/handles.h"

#include <QCheckBox>
#include <QSignalBlocker>

using namespace vexor::ui::qt;

namespace {
QCheckBox* checkBoxOf(HWND hWnd) { return dynamic_cast<QCheckBox*>(toWidget(hWnd)); }
} // namespace

int CButton::GetCheck() const {
    const QCheckBox* box = checkBoxOf(m_hWnd);
    return box && box->isChecked() ? BST_CHECKED : BST_UNCHECKED;
}

// Any non-zero state checks a two-state box, as BM_SETCHECK does; the program's change is silent.
void CButton::SetCheck(int nCheck) {
    if (QCheckBox* box = checkBoxOf(m_hWnd)) {
        const QSignalBlocker quiet(box);
        box->setChecked(nCheck != BST_UNCHECKED);
    }
}
