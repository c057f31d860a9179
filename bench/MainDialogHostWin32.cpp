#include "bench/MainDialogHost.h"

#include "platform/ui/afx.h"
#include "platform/ui/win32/modal_hook.h"

#include <utility>

void RunCancellingEachWindow(CDialog& dlg, const std::function<void(bool bIsDlg)>& onShown) {
    vexor::ui::win32::ModalHook previous = vexor::ui::win32::setModalHook([&](HWND hShown) {
        onShown(hShown == dlg.GetSafeHwnd());
        EndDialog(hShown, IDCANCEL);
    });
    dlg.DoModal();
    vexor::ui::win32::setModalHook(std::move(previous));
}
