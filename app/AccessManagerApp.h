// The application: decides at start-up whether the administrator must log in first, resets the store
// when the administrator's account has vanished, and runs the main dialog. The program ends when the
// main dialog closes, or with exit code 0 when the login is cancelled.
#pragma once

#include "platform/ui/afx.h"

class CAccessManagerApp : public CWinApp {
  public:
    CAccessManagerApp();
    BOOL InitInstance() override;

  private:
    bool IsStoreUsable() const;
    bool IsProtectionStored() const;
    bool IsAdministratorPresent() const;
    void RunLogin();
    void ResetStore();
    void RunMainDialog();
};
