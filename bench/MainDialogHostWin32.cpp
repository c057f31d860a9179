// The main dialog on Windows: the backend's modal hook runs the work from inside the dialog's own
// loop, as the Qt backend's does.
#include "bench/MainDialogHost.h"

#include "dialogs/AccessManagerDlg.h"
#include "platform/ui/win32/modal_hook.h"
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
    vexor::ui::win32::ModalHook previous = vexor::ui::win32::setModalHook([&](HWND hShown) {
        if (hShown == dlg.GetSafeHwnd() && !bRan) {
            bRan = true;
            work(dlg.UserList());
        }
        EndDialog(hShown, IDCANCEL);
    });
    dlg.DoModal();
    vexor::ui::win32::setModalHook(std::move(previous));
    return bRan;
}
