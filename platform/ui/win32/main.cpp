// The program's entry on Windows: the common controls the manifest asks for, then the application
// object's start-up.
#include "platform/ui/afx.h"

#include <commctrl.h>

int main() {
    const INITCOMMONCONTROLSEX controls{sizeof(INITCOMMONCONTROLSEX), ICC_STANDARD_CLASSES | ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    CWinApp* app = AfxGetApp();
    if (!app) {
        MessageBoxW(nullptr, L"The program has no application object.", nullptr, MB_OK | MB_ICONHAND);
        return 1;
    }
    app->InitInstance();
    return app->ExitInstance();
}
