// The account list lives in the main dialog's list control, so the benchmarks of the list run while
// the real main dialog is up: opened on the current store, handed to the work, then closed.
#pragma once

#include "store/UserList.h"

#include <functional>

class CDialog;

// Opens the main dialog (which loads the list from the store), runs work on its list while the dialog
// is shown, and closes it as cancelling would. False when the dialog never came up.
bool WithMainDialog(const std::function<void(CUserList&)>& work);

// The backend's part: runs dlg modally, calls onShown for each modal window once it is up (with true
// for dlg itself), and then cancels that window.
void RunCancellingEachWindow(CDialog& dlg, const std::function<void(bool bIsDlg)>& onShown);
