// CWinApp and the process-wide calls that are the same on every backend.
#include "platform/ui/afx.h"

namespace {
CWinApp* g_pApp = nullptr;
}

CWinApp::CWinApp(LPCSTR lpszAppName) {
    (void)lpszAppName; // the name of a Windows module: nothing here shows or stores it
    g_pApp = this;
}

CWinApp::~CWinApp() {
    if (g_pApp == this)
        g_pApp = nullptr;
}

// FALSE: the program has no main message loop; every window runs its own modal loop.
BOOL CWinApp::InitInstance() { return FALSE; }

int CWinApp::ExitInstance() { return 0; }

void CWinApp::SetRegistryKey(LPCSTR lpszRegistryKey) { m_strRegistryKey = lpszRegistryKey ? lpszRegistryKey : ""; }

CWinApp* AfxGetApp() { return g_pApp; }

// Dialogs here host no ActiveX controls; the call only has to succeed.
BOOL AfxEnableControlContainer() { return TRUE; }
