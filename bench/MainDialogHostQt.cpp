#include "bench/MainDialogHost.h"

#include "dialogs/AccessManagerDlg.h"
#include "platform/ui/qt/modal_hook.h"
#include "resources/resources.h"

#include <utility>

namespace {

// The main dialog with its list open to the benchmark.
class CBenchAccessManagerDlg : public CAccessManagerDlg {
  public:
    CUserList& UserList() { return m_userList; }
};

} // namespace

bool WithMainDialog(const std::function<void(CUserList&)>& work) {
    vexor::res::registerProgramResources();
    CBenchAccessManagerDlg dlg;
    bool bRan = false;
    // Anything else that opens (a message box the work did not expect) is cancelled at once.
    vexor::ui::qt::ModalHook previous =
        vexor::ui::qt::setModalHook([&](const vexor::ui::qt::ModalInfo& info) {
            if (info.dialog == &dlg && !bRan) {
                bRan = true;
                work(dlg.UserList());
            }
            info.abort();
        });
    dlg.DoModal();
    vexor::ui::qt::setModalHook(std::move(previous));
    return bRan;
}
