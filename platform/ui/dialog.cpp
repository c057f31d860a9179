// What every backend's CDialog shares: the defaults of initialisation, OK and Cancel, data exchange,
// control binding and ending the dialog. Creating and running the window is the backend's: DoModal,
// and the constructor and destructor beside it, which keep the class's virtual table with the
// backend, so that this core never needs a symbol of one.
#include "platform/ui/afx.h"

#include "platform/ui/dialog_controls.h"

BOOL CDialog::UpdateData(BOOL bSaveAndValidate) {
    CDataExchange dx(this, bSaveAndValidate);
    DoDataExchange(&dx);
    return TRUE;
}

BOOL CDialog::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

void CDialog::OnOK() {
    if (UpdateData(TRUE))
        EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

void CDialog::EndDialog(int nResult) {
    if (vexor::ui::DialogControls* dialog = vexor::ui::DialogControls::fromHandle(m_hWnd))
        dialog->endModal(nResult);
}

// OK and Cancel commands (buttons, Enter, Escape, close box) reach the virtual handlers through the
// map, so that a dialog may override them.
BEGIN_MESSAGE_MAP(CDialog, CWnd)
ON_COMMAND(IDOK, &CDialog::OnOK)
ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
END_MESSAGE_MAP()

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl) {
    if (!pDX || !pDX->m_pDlgWnd)
        return;
    if (vexor::ui::DialogControls* dialog =
            vexor::ui::DialogControls::fromHandle(pDX->m_pDlgWnd->GetSafeHwnd()))
        dialog->bind(nIDC, rControl);
}
