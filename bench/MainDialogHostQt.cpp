#include "bench/MainDialogHost.h"

#include "platform/ui/afx.h"
#include "platform/ui/qt/modal_hook.h"

#include <utility>

void RunCancellingEachWindow(CDialog& dlg, const std::function<void(bool bIsDlg)>& onShown) {
    vexor::ui::qt::ModalHook previous = vexor::ui::qt::setModalHook([&](const vexor::ui::qt::ModalInfo& info) {
        onShown(info.dialog == &dlg);
        info.abort();
    });
    dlg.DoModal();
    vexor::ui::qt::setModalHook(std::move(previous));
}
