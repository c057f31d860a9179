#include "bench/MainDialogHost.h"

#include "dialogs/AccessManagerDlg.h"
#include "resources/resources.h"

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
    RunCancellingEachWindow(dlg, [&](bool bIsDlg) {
        if (bIsDlg && !bRan) {
            bRan = true;
            work(dlg.UserList());
        }
    });
    return bRan;
}
